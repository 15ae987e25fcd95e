// The paragraph styles applied to lines: the indents of each line (list paragraphs take their
// level's), the line-spacing frame, and a finished line's shaping (line-aligned items, spacing
// gaps, alignment and justification, reordering by reading direction) and tabs. Every pass of
// every formatted document uses it unless given other steps; it keeps no state of its own, all
// of it lives in the pass's FormatState.
#pragma once

#include "vellum/layout/paragraph_steps.h"
#include "vellum/style/style_types.h"

namespace vellum {

class TParaInfo;

class ParagraphLayout final : public ParagraphSteps {
public:
    LineIndents StartLineIndents(const TCustomRVFormattedData& data, const FormatState& state,
                                 int32_t itemNo, bool isParaStart) override;
    void StartLineSpacing(const TCustomRVFormattedData& data, FormatState& state, int32_t paraNo) override;
    void AdjustLineDescent(FormatState& state) override;
    int32_t FinishLine(TCustomRVFormattedData& data, FormatState& state, const FinishLineArgs& args) override;
    void FinishPendingTab(TCustomRVFormattedData& data, FormatState& state) override;
    int32_t PlaceTab(TCustomRVFormattedData& data, FormatState& state, int32_t drawItemNo) override;
};

// The reading direction of a paragraph: its own, else the document's.
TRVBiDiMode ParagraphDirection(const TCustomRVFormattedData& data, const TParaInfo& para);

} // namespace vellum
