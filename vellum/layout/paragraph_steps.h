// The paragraph-shaping steps that line formatting calls while it builds lines: the indents of
// a new line, its line-spacing frame, finishing a line (spacing gaps, alignment) and finishing
// a pending tab. PlainParagraphSteps gives left-aligned lines with the paragraph's plain
// indents, no line-spacing frame and tabs of no width; a fuller implementation replaces it
// through TCustomRVFormattedData::SetParagraphSteps.
#pragma once

#include <cstdint>

namespace vellum {

class TCustomRVFormattedData;
struct FormatState;

// Indents of one line, in screen pixels (the formatter converts them to the device).
struct LineIndents {
    int32_t left = 0;
    int32_t right = 0;
    int32_t marker = 0;
};

struct FinishLineArgs {
    int32_t lineRight = 0;         // LineWidth + LineStartX of the finished line
    bool isLastLineOfParagraph = false;
    bool hasAbsAligned = false;    // the line holds items aligned to the line box
    int32_t firstDrawItemNo = 0;   // the finished line's draw items are [first, drawItemCount)
    int32_t drawItemCount = 0;
};

class ParagraphSteps {
public:
    virtual ~ParagraphSteps() = default;

    // The indents of a line that starts with item ITEMNO; ISPARASTART tells that it is the
    // first line of a paragraph (or follows a line-break item).
    virtual LineIndents StartLineIndents(const TCustomRVFormattedData& data, const FormatState& state,
                                         int32_t itemNo, bool isParaStart) = 0;
    // Chooses the new line's frame (state.Frame, FixedAscent, FixedDescent) for paragraph
    // style PARANO.
    virtual void StartLineSpacing(const TCustomRVFormattedData& data, FormatState& state, int32_t paraNo) = 0;
    // After a piece was placed: the frame's adjustment of LineDescent.
    virtual void AdjustLineDescent(FormatState& state) = 0;
    // Shapes the finished line's draw items (spacing gaps, alignment, line-aligned items; it
    // may move state.Baseline) and returns the gap to add below the line.
    virtual int32_t FinishLine(TCustomRVFormattedData& data, FormatState& state, const FinishLineArgs& args) = 0;
    virtual void FinishPendingTab(TCustomRVFormattedData& data, FormatState& state) = 0;
    // The width of the tab item placed as draw item DRAWITEMNO at state.X; it may make the
    // tab state.PendingTab.
    virtual int32_t PlaceTab(TCustomRVFormattedData& data, FormatState& state, int32_t drawItemNo) = 0;
};

class PlainParagraphSteps final : public ParagraphSteps {
public:
    LineIndents StartLineIndents(const TCustomRVFormattedData& data, const FormatState& state,
                                 int32_t itemNo, bool isParaStart) override;
    void StartLineSpacing(const TCustomRVFormattedData& data, FormatState& state, int32_t paraNo) override;
    void AdjustLineDescent(FormatState& state) override {}
    int32_t FinishLine(TCustomRVFormattedData& data, FormatState& state, const FinishLineArgs& args) override
    {
        return 0;
    }
    void FinishPendingTab(TCustomRVFormattedData& data, FormatState& state) override {}
    int32_t PlaceTab(TCustomRVFormattedData& data, FormatState& state, int32_t drawItemNo) override
    {
        return 0;
    }
};

// The steps every formatted document uses until it is given others: the paragraph layout of
// paragraph_layout.h.
ParagraphSteps& DefaultParagraphSteps();

} // namespace vellum
