#include "vellum/layout/paragraph_steps.h"

#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/format_state.h"
#include "vellum/style/rv_style.h"

namespace vellum {

// The paragraph's own indents; the first indent on its first line, unless the line starts
// with a line break or a full-line item.
LineIndents PlainParagraphSteps::StartLineIndents(const TCustomRVFormattedData& data, const FormatState&,
                                                  int32_t itemNo, bool isParaStart)
{
    const TCustomRVItemInfo& item = *data.ItemAt(itemNo);
    const TParaInfo& para = data.GetRVStyle()->ParaStyles()[item.ParaNo];
    LineIndents indents;
    indents.left = para.LeftIndent;
    const bool paragraphStart = isParaStart && !item.ContinuesParagraph() && !item.StartsNewLine();
    if (paragraphStart && !item.FullLine())
        indents.left += para.FirstIndent;
    indents.right = para.RightIndent;
    indents.marker = para.LeftIndent;
    return indents;
}

void PlainParagraphSteps::StartLineSpacing(const TCustomRVFormattedData&, FormatState& state, int32_t)
{
    state.Frame = LineFrame::Free;
    state.FixedAscent = 0;
    state.FixedDescent = 0;
}

} // namespace vellum
