// Painting cases compared as draw-call dumps with tests/golden/paint/expected/.
#include "paint_test_util.h"

#include <functional>

namespace vellum::testing {
namespace {

struct GoldenCase {
    const char* name;
    std::function<std::string()> paint;
};

// Gives every piece after the first of the first line the gap GAP, as justification does.
void Justify(FixedClientData& data, int32_t gap)
{
    TRVDrawLines& items = data.DrawItems();
    int32_t shift = 0;
    for (int32_t no = 1; no < items.Count() && !items[no].IsFirstOfLine(); ++no) {
        items[no].Left += shift;
        items[no].GapBefore = gap;
        items[no].Width += gap;
        shift += gap;
    }
}

std::string HalfSelected(bool focused, platform::Color selText)
{
    PaintDoc doc;
    doc.style.SelColor = clNavy;
    doc.style.SelTextColor = selText;
    doc.style.InactiveSelColor = clGray;
    doc.style.InactiveSelTextColor = clSilver;
    doc.Text(u"Hello world").Format();
    PaintArgs args;
    args.controlFocused = focused;
    Select(doc.data, 0, 3, 0, 8);
    return doc.Paint(args);
}

std::string JustifiedGaps()
{
    PaintDoc doc;
    doc.Text(u"one", kBlueOnSilver, true, kParaJustify).More(u" two", kBlueOnSilver).More(u" six").Format();
    Justify(doc.data, 5);
    PaintArgs args;
    args.controlFocused = true;
    Select(doc.data, 2, 1, 2, 5);
    return doc.Paint(args);
}

std::string Marks(bool show)
{
    PaintDoc doc;
    if (show)
        doc.data.Settings().Options |= OptionBit<TRVOptions>(rvoShowSpecialCharacters);
    doc.Text(u"a b\u00A0c").Line(u"next").Text(u"end").Format();
    return doc.Paint();
}

std::string ParagraphBackground()
{
    PaintDoc doc;
    doc.Text(u"first line", kPlain, true, kParaYellow).Line(u"second").Text(u"after").Format();
    // Line spacing leaves a gap below each line of the paragraph.
    TRVDrawLines& items = doc.data.DrawItems();
    items[0].GapBelow = 4;
    items[1].GapBelow = 4;
    return doc.Paint();
}

std::string PageBreakAndCheckpoint(bool options)
{
    PaintDoc doc;
    if (options)
        doc.data.Settings().Options |= OptionBit<TRVOptions>(rvoShowCheckpoints) | OptionBit<TRVOptions>(rvoShowPageBreaks);
    else
        doc.data.Settings().Options &= ~OptionBit<TRVOptions>(rvoShowPageBreaks);
    doc.Text(u"top").Text(u"broken");
    doc.data.ItemAt(1)->SetBreakPageBefore(true);
    doc.data.ItemAt(1)->SetAttachedCheckpoint(std::make_unique<TRVCPInfo>());
    doc.data.AppendCheckpoint("end", false, RvTag());
    doc.Format();
    return doc.Paint();
}

std::string Hover()
{
    PaintDoc doc;
    doc.Text(u"go ").More(u"there", kLink).Format();
    PaintArgs args;
    args.hoveredJumpId = doc.data.ItemAt(1)->JumpIndex;
    return doc.Paint(args);
}

std::string NonTextSelection(int32_t startOffs)
{
    PaintDoc doc;
    doc.style.SelectionStyle = rvssLines;
    doc.Text(u"ab").Picture(10, 20).More(u"cd").Format();
    PaintArgs args;
    args.controlFocused = true;
    Select(doc.data, 1, startOffs, 2, 2);
    return doc.Paint(args);
}

std::string LineBand()
{
    PaintDoc doc;
    doc.style.SelectionStyle = rvssLines;
    doc.style.SelColor = clNavy;
    doc.Text(u"big").More(u"small").Format();
    PaintArgs args;
    args.controlFocused = true;
    Select(doc.data, 0, 2, 1, 3);
    return doc.Paint(args);
}

std::string CancelledByHandler()
{
    PaintDoc doc;
    std::string seen;
    doc.style.OnDrawStyleText = [&seen](TRVStyle& sender, const TRVRawByteString& s, platform::Canvas&, int styleNo,
                                        int spaceBefore, int left, int top, int width, int height,
                                        TRVTextDrawStates state, bool& doDefault) {
        seen += "item=" + std::to_string(sender.ContextItemNo) + " offset=" + std::to_string(sender.ContextOffset) +
                " bytes=" + std::to_string(s.size()) + " rect=" + std::to_string(left) + "," + std::to_string(top) +
                "," + std::to_string(width) + "x" + std::to_string(height) + " states=" +
                std::to_string(state.Mask()) + "\n";
        doDefault = sender.ContextItemNo != 0;
    };
    doc.Text(u"hidden").More(u"shown").Format();
    PaintArgs args;
    Select(doc.data, 1, 2, 1, 4);
    return doc.Paint(args) + seen;
}

const GoldenCase kCases[] = {
    {"half_selected_focused", [] { return HalfSelected(true, clWhite); }},
    {"half_selected_unfocused", [] { return HalfSelected(false, clWhite); }},
    {"seltextcolor_none", [] { return HalfSelected(true, clNone); }},
    {"justified_gaps", JustifiedGaps},
    {"charscale80_underline", [] {
         PaintDoc doc;
         doc.Text(u"narrow", kScaled).Format();
         return doc.Paint();
     }},
    {"dash_dotted_96ppi", [] {
         PaintDoc doc;
         doc.Text(u"dashes and dots", kDashDotted).Format();
         return doc.Paint();
     }},
    {"pilcrow_and_arrow", [] { return Marks(true); }},
    {"marks_hidden", [] { return Marks(false); }},
    {"paragraph_background", ParagraphBackground},
    {"broken_style_number", [] {
         PaintDoc doc;
         doc.Text(u"lost", 99).Format();
         return doc.Paint();
     }},
    {"page_break_checkpoint_shown", [] { return PageBreakAndCheckpoint(true); }},
    {"page_break_checkpoint_hidden", [] { return PageBreakAndCheckpoint(false); }},
    {"hover_colors", Hover},
    {"picture_selected_offset0", [] { return NonTextSelection(0); }},
    {"picture_unselected_offset1", [] { return NonTextSelection(1); }},
    {"line_band", LineBand},
    {"handler_cancels_default", CancelledByHandler},
};

class PaintGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(PaintGolden, MatchesDump)
{
    ExpectGolden(GetParam().name, GetParam().paint());
}

INSTANTIATE_TEST_SUITE_P(Cases, PaintGolden, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vellum::testing
