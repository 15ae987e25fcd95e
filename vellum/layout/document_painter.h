// The painter behind PaintDocument: one object per call, holding what painting keeps while it
// runs (the last applied text style, the band of the current line).
#pragma once

#include <cstdint>
#include <string>

#include "vellum/layout/paint_document.h"
#include "vellum/style/style_types.h"

namespace vellum {

class TCustomRVFormattedData;
class TCustomRVItemInfo;
class TParaInfo;
class TRVStyle;
struct LayoutSettings;
struct StyleTextPart;
struct TRVDrawLineInfo;

// The visible range: from the first draw item of the first paragraph that reaches into
// [VISIBLETOP, VISIBLEBOTTOM) (document coordinates) to the first line start below it.
struct VisibleRange {
    int32_t first = -1;
    int32_t last = -1;
    bool Empty() const { return first < 0 || last < first; }
};
VisibleRange VisibleDrawItems(const TCustomRVFormattedData& data, int32_t visibleTop, int32_t visibleBottom);

// The selected characters of a text piece (1-based, inclusive) and whether that is all of it.
struct PieceSelection {
    int32_t first = 1;
    int32_t last = 0; // below FIRST: nothing selected
    bool whole = false;
    bool Any() const { return last >= first; }
};
PieceSelection SelectedCharacters(const PaintSelection& selection, int32_t drawItemNo, int32_t textLength);
// Whether a draw item that is not text lies inside the selection.
bool NonTextSelected(const PaintSelection& selection, int32_t drawItemNo);

class DocumentPainter {
public:
    DocumentPainter(TCustomRVFormattedData& data, const PaintArgs& args);
    PaintReport Run();

private:
    // Where a draw item lands on the canvas.
    int32_t CanvasX(int64_t docX) const;
    int32_t CanvasY(int64_t docY) const;

    void PaintParagraphBacks(const VisibleRange& range);
    void PaintParagraphBack(int32_t firstNo);
    void RaiseTextBacks(const VisibleRange& range);
    void PaintDrawItem(int32_t drawItemNo);
    void UpdateLineBand(int32_t drawItemNo);
    void PaintMarks(int32_t drawItemNo, const TCustomRVItemInfo& item);
    void PaintNonText(int32_t drawItemNo, TCustomRVItemInfo& item);
    void PaintEndCheckpoint();
    ItemDrawState NonTextState(int32_t drawItemNo, const TCustomRVItemInfo& item) const;
    int32_t FullLineWidth() const;

    // Text runs (text_run_painter.cpp).
    void PaintTextRun(int32_t drawItemNo, const TCustomRVItemInfo& item);
    void ApplyRunStyle(int32_t styleNo, const TCustomRVItemInfo& item);
    std::string RawPart(int32_t drawItemNo, const TCustomRVItemInfo& item, int32_t firstChar,
                        int32_t lastChar) const;
    bool EndsLine(int32_t drawItemNo) const;
    void DrawPart(int32_t drawItemNo, const TCustomRVItemInfo& item, int32_t styleNo, int32_t firstChar,
                  int32_t lastChar, TRVTextDrawStates states);
    void FillBandAround(int32_t left, int32_t right);
    void PaintParagraphMark(int32_t drawItemNo, bool paragraphEnds);

    // Questions about items and paragraphs.
    bool StartsParagraph(int32_t drawItemNo) const;
    bool FirstOfItem(int32_t drawItemNo) const;
    bool IsHovered(const TCustomRVItemInfo& item) const;
    TRVBiDiMode ParaBiDi(const TCustomRVItemInfo& item) const;
    bool LineScope(const TCustomRVItemInfo& item) const;
    TRVTextDrawStates BaseStates() const;
    int32_t LineTop(int32_t drawItemNo) const;

    TCustomRVFormattedData& m_data;
    const PaintArgs& m_args;
    platform::Canvas& m_canvas;
    TRVStyle& m_style;
    const LayoutSettings& m_layout;
    int64_t m_originX = 0; // document point at the canvas's (0, 0)
    int64_t m_originY = 0;
    bool m_showSpecial = false;
    bool m_showCheckpoints = false;
    bool m_showPageBreaks = false;
    int32_t m_appliedStyleNo = -1; // -1: the canvas font is not a text style's
    int32_t m_lastTextStyleNo = -1;
    // The selection band of the current line in canvas coordinates; empty outside line scope.
    int32_t m_bandTop = 0;
    int32_t m_bandBottom = 0;
    PaintSelection m_selection;
    PaintReport m_report;
};

} // namespace vellum
