// Places a document's items on lines during one formatting pass: text pieces fitted and broken
// into lines, rect items inside lines, full-line items on lines of their own. The pass
// (TCustomRVFormattedData::Format) creates one formatter, hands it the items in order and
// finishes it; the paragraph layout steps are called where lines start and end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vellum/rv_types.h"

#include "vellum/layout/format_state.h"
#include "vellum/layout/layout_settings.h"
#include "vellum/layout/text_fit.h"

namespace vellum {

class ParagraphSteps;
class TCustomRVFormattedData;
class TCustomRVItemInfo;
class TParaInfo;
struct TRVDrawLineInfo;

// Coordinates saturate here, so that sizes a file claims (a picture of 2,000,000,000 pixels, a
// SpaceBefore of 2^31-1) lay out without overflow.
constexpr int64_t kCoordinateLimit = int64_t(1) << 30;
int32_t SaturateCoordinate(int64_t value);
// Screen pixels to device pixels in 64 bits, rounded to the nearest and saturated, so that
// lengths a file claims never overflow whatever the device.
int32_t ToDeviceX(const ResolutionPair& rp, int64_t value);
int32_t ToDeviceY(const ResolutionPair& rp, int64_t value);

class LineFormatter {
public:
    // STATE has its start position and widths filled in by the pass.
    LineFormatter(TCustomRVFormattedData& data, FormatState& state, const LayoutSettings& settings,
                  int32_t leftMargin);

    // Places item ITEMNO (the items come in order).
    void PlaceItem(int32_t itemNo);
    // Places COUNT characters of text item ITEMNO from OFFSET (0-based); justification places
    // an item in several such calls.
    void PlaceText(int32_t itemNo, int32_t offset, int32_t count);
    // Finishes the pending tab and the last line; returns the gap below the last line.
    int32_t Finish();

private:
    enum class Break { Soft, Paragraph };

    // The text item being placed, measured once.
    struct TextRun {
        int32_t itemNo = -1;
        std::string_view display; // display text as bytes (UTF-16LE when unicode): the stored
        TRVRawByteString buffer;  // text itself, or this buffer when the two differ
        std::u16string stored; // stored UTF-16 text (empty for byte text)
        bool unicode = false;
        RunWidths widths;
    };

    const TParaInfo& ParaOf(int32_t itemNo) const;
    bool IsNoWrap(const TParaInfo& para) const;
    bool WrapsLines(const TParaInfo& para) const;
    bool FollowsMarker(int32_t itemNo) const;
    bool StartsParagraph(int32_t itemNo) const;

    void SelectTextStyle(int32_t styleNo, const TParaInfo& para);
    void PrepareRun(int32_t itemNo);

    // Text (step lists 2, 3 and 6).
    void PlaceEmptyText(int32_t itemNo, int32_t offset, int32_t styleNo);
    int32_t FitPiece(int32_t itemNo, const TParaInfo& para, int32_t pos, int32_t remaining);
    int32_t WidenToCharacter(int32_t pos, int32_t end) const;
    bool LastBeforeParagraphEnd(int32_t itemNo) const;
    void AddTextPiece(int32_t itemNo, int32_t pos, int32_t count, bool firstOfLine);
    void AddTextJump(int32_t itemNo, int32_t drawItemNo, bool fromItemStart);

    // Lines (step list 4).
    void StartNewLine(int32_t itemNo, Break kind);
    void TrimTrailingSpace();
    void WidenForSoftHyphen();
    void FinishCurrentLine(bool lastOfParagraph);
    void BeginLineRecord();
    void PlaceFirstOfLine(TRVDrawLineInfo& piece, int32_t ascent, int32_t descent);
    void PlaceOnLine(TRVDrawLineInfo& piece, int32_t ascent, int32_t descent, bool widenDescent);
    void RaiseLine(int32_t ascent);
    int32_t InsertDrawItem(const TRVDrawLineInfo& piece);

    // Other items (step list 5).
    void PlaceRectItem(int32_t itemNo);
    void PlaceFullLineItem(int32_t itemNo);
    void PlaceHorizontalLine(int32_t itemNo);
    void PlaceBlockItem(int32_t itemNo, const TParaInfo& para);
    void AddItemJump(TCustomRVItemInfo& item, int32_t drawItemNo);
    int32_t ParagraphSpacing(int32_t itemNo) const;

    TCustomRVFormattedData& m_data;
    FormatState& m_state;
    const LayoutSettings& m_settings;
    ParagraphSteps& m_steps;
    int32_t m_leftMargin;      // device pixels
    int32_t m_pendingGap = 0;  // the finished line's gap, added when the next line starts
    bool m_lineIsParaFirst = false;
    bool m_trimWrapSpaces;
    bool m_recordJumps;
    bool m_showSoftHyphens;
    TextRun m_run;
};

} // namespace vellum
