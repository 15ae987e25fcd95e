// The formatting pass as a whole: what it measures, tail and width-only passes, the second
// pass when a scroll bar comes, re-entry, and the invariants of its results.
#include "tests/vellum/layout/layout_test_util.h"
#include "vellum/layout/draw_lines.h"
#include "vellum/layout/line_formatter.h"

#include <gtest/gtest.h>

namespace vellum::testing {
namespace {

// A host whose vertical scroll bar (16 pixels) appears when the document is taller than the
// client area, and which counts the nested calls it provokes.
class ScrollingHost : public FixedClientData {
public:
    int32_t fullClientWidth = 0;
    int nestedCalls = 0;
    bool flagKept = true;
    void SetDocumentAreaSize(int32_t width, int32_t height, bool repaint) override
    {
        FixedClientData::SetDocumentAreaSize(width, height, repaint);
        m_clientWidth = height > m_clientHeight ? fullClientWidth - 16 : fullClientWidth;
        ++nestedCalls;
        // The nested calls a scroll bar change causes return at once and leave the flag set,
        // so that a second one cannot run a pass inside this one either.
        Format(false, true, false, true, false, nullptr, 0, false);
        Format(false, true, false, true, false, nullptr, 0, false);
        flagKept = flagKept && InFormatting();
    }
};

TEST(FormatPass, SameWidthResizeMeasuresNothing)
{
    LayoutDoc doc;
    doc.Text(u"some text that wraps over a few lines of the view").More(u" and more", kBig);
    const std::string before = doc.Format(100);
    doc.canvas.ResetCounters();
    doc.data.Format(true, false, false, false, false, nullptr, 0, false);
    EXPECT_EQ(doc.canvas.Counters().measuringCalls, 0);
    EXPECT_EQ(doc.canvas.Counters().fontSelections, 0);
    EXPECT_EQ(LayoutDump(doc.data), before);
}

TEST(FormatPass, WidthChangeReformats)
{
    LayoutDoc doc;
    doc.Text(u"some text that wraps over a few lines of the view");
    doc.Format(100);
    const int32_t lines = int32_t(doc.data.Lines().size());
    doc.data.SetClientSize(300, 100000);
    doc.data.Format(true, false, false, false, false, nullptr, 0, false);
    EXPECT_LT(int32_t(doc.data.Lines().size()), lines);
    EXPECT_EQ(doc.data.TextWidth(), 290);
}

TEST(FormatPass, TailOfNewParagraphsEqualsFullPass)
{
    LayoutDoc tail;
    tail.Text(u"first paragraph of words").Text(u"second");
    tail.Format(90);
    tail.Text(u"third paragraph").HorizontalLine().Text(u"fourth");
    tail.data.Format(false, false, false, false, true, nullptr, 0, false);
    LayoutDoc full;
    full.Text(u"first paragraph of words").Text(u"second").Text(u"third paragraph").HorizontalLine().Text(u"fourth");
    EXPECT_EQ(LayoutDump(tail.data), full.Format(90));
}

TEST(FormatPass, WidthOnlyPassKeepsTopItemDistance)
{
    LayoutDoc doc;
    for (int i = 0; i < 40; ++i)
        doc.Text(u"paragraph with several words in it");
    doc.Format(120, 200);
    auto topOf = [&doc](int32_t itemNo) {
        return doc.data.DrawItems()[doc.data.ItemAt(itemNo)->FirstDrawItemNo].Top;
    };
    // Item 20 starts the line at the top of the view; the anchor is the line above it, the
    // last line of item 19.
    const int32_t scrollPos = topOf(20) + 3;
    const int32_t distance = scrollPos - topOf(19);
    doc.data.ScrollToY(scrollPos);
    doc.data.SetClientSize(200, 200);
    doc.data.Format(true, false, false, false, false, nullptr, 0, false);
    EXPECT_NE(topOf(19), scrollPos - distance);
    EXPECT_EQ(doc.data.GetVScrollPos(), topOf(19) + distance);
}

TEST(FormatPass, ScrollBarMakesSecondPass)
{
    TRVStyle style;
    SetupLayoutStyle(style);
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    ScrollingHost host;
    host.Settings().Style = &style;
    host.SetCanvas(&canvas);
    host.fullClientWidth = 130;
    host.SetClientSize(130, 50);
    auto item = std::make_unique<TRVTextItemInfo>(&host);
    item->Options = rvioUnicodeText;
    std::u16string text;
    for (int i = 0; i < 100; ++i)
        text += char16_t(0x4E00 + i);
    host.InsertItemAt(0, Utf16Bytes(text), std::move(item));
    host.Format(false, true, false, true, false, nullptr, 0, false);
    // The first pass found 10 lines, too tall: the narrower client area holds 8 ideographs.
    EXPECT_EQ(host.TextWidth(), 130 - 16 - 10);
    EXPECT_EQ(host.DrawItems()[0].TextLength, 8);
    EXPECT_EQ(host.nestedCalls, 2);
    EXPECT_TRUE(host.flagKept);
    EXPECT_FALSE(host.InFormatting());
}

TEST(FormatPass, LongParagraphIsMeasuredOnce)
{
    LayoutDoc doc;
    std::u16string text;
    for (int i = 0; i < 200000; ++i)
        text += (i % 7 == 6) ? u' ' : char16_t(u'a' + i % 26);
    doc.Text(text);
    doc.canvas.ResetCounters();
    doc.Format(300);
    EXPECT_LT(doc.canvas.Counters().charactersMeasured, 4 * 200000);
    EXPECT_GT(doc.data.Lines().size(), 1000u);
}

// Every line advances, every text piece lies inside its item, lines follow each other.
void ExpectSoundLayout(const TCustomRVFormattedData& data)
{
    const TRVDrawLines& items = data.DrawItems();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TRVDrawLineInfo& piece = items[i];
        ASSERT_GE(piece.ItemNo, 0);
        ASSERT_LT(piece.ItemNo, data.CountItems());
        const TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
        if (item.StyleNo >= 0) {
            const int32_t length = int32_t(item.UnicodeText() ? item.Text.size() / 2 : item.Text.size());
            EXPECT_GE(piece.TextStart, 1);
            EXPECT_LE(piece.TextStart - 1 + piece.TextLength, length);
        }
    }
    const auto& lines = data.Lines();
    for (size_t l = 1; l < lines.size(); ++l) {
        EXPECT_GT(lines[l].firstDrawItemNo, lines[l - 1].firstDrawItemNo);
        EXPECT_GT(lines[l].baseline, lines[l - 1].baseline);
    }
}

TEST(FormatPass, ResultsAreSoundAtManyWidths)
{
    LayoutDoc doc;
    doc.Text(u"Mixed 中文和English text，带标点。").More(u" big", kBig).Picture(25, 25);
    doc.Text(u"").Text(u"购物清单 要买的东西", kGbk).HorizontalLine().Marker("1.").More(u"listed item text");
    doc.Text(u"soft\u00ADhy\u00ADphens and\u200Bzero width", kLink);
    for (int32_t width = 1; width < 400; width += 7) {
        doc.Format(width);
        ExpectSoundLayout(doc.data);
    }
}

TEST(FormatPass, NoStyleSheetDoesNothing)
{
    FixedClientData data;
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    data.SetCanvas(&canvas);
    data.SetClientSize(100, 100);
    data.Format(false, true, false, true, false, nullptr, 0, false);
    EXPECT_TRUE(data.DrawItems().Empty());
}

TEST(FormatPass, EmptyDocumentHasMarginsOnly)
{
    LayoutDoc doc;
    EXPECT_EQ(doc.Format(100), "document client=100 width=90 text-width=90 height=10\n");
}

TEST(FormatPass, JumpAreasFollowTheirPieces)
{
    LayoutDoc doc;
    doc.Text(u"a ").More(u"link text that wraps", kLink).More(u" b");
    doc.Format(70);
    ASSERT_GE(doc.data.Jumps().size(), 2u);
    for (const TRVJumpInfo& jump : doc.data.Jumps()) {
        const TRVDrawLineInfo& piece = doc.data.DrawItems()[jump.DrawItemNo];
        EXPECT_EQ(piece.ItemNo, 1);
        EXPECT_EQ(jump.Left, piece.Left);
        EXPECT_EQ(jump.Top, piece.Top);
        EXPECT_EQ(jump.Width, piece.Width);
        EXPECT_EQ(jump.Id, 0);
    }
    EXPECT_EQ(doc.data.ItemAt(1)->JumpIndex, 0);
    EXPECT_EQ(doc.data.NextJumpId(), 1);
}

// An item of a kind that lays itself out on a line of its own (as a table does).
class WideBlock : public TRVFullLineItemInfo {
public:
    explicit WideBlock(TCustomRVData* data, int32_t width) : TRVFullLineItemInfo(data), m_width(width)
    {
        StyleNo = rvsTable;
    }
    int32_t ContentWidth() const override { return m_width; }
    int32_t ContentHeight() const override { return 20; }
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* data) const override
    {
        return std::make_unique<WideBlock>(data, m_width);
    }

private:
    int32_t m_width;
};

TEST(FormatPass, BlockItemsAlignWithinTheIndents)
{
    struct Case {
        int32_t paraNo;
        int32_t width;
        int32_t left;
    };
    // Client 200: text width 190 from x 5. A right-aligned block wider than the text still
    // starts at the indent.
    for (const Case& c : {Case{kParaPlain, 50, 5}, Case{kParaRight, 50, 145}, Case{kParaRight, 500, 5}}) {
        LayoutDoc doc;
        doc.Text(u"x");
        auto block = std::make_unique<WideBlock>(&doc.data, c.width);
        block->ParaNo = c.paraNo;
        doc.data.InsertItemAt(1, std::move(block));
        doc.Text(u"y");
        doc.Format(200);
        const TRVDrawLineInfo& piece = doc.data.DrawItems()[1];
        EXPECT_EQ(piece.Left, c.left) << c.width;
        EXPECT_EQ(piece.Top, 21);
        EXPECT_EQ(piece.Height, 20);
        EXPECT_TRUE(piece.IsFirstOfLine());
        EXPECT_EQ(doc.data.DrawItems()[2].Top, 41);
    }
}

TEST(DrawLines, ReusableSlots)
{
    TRVDrawLines lines;
    for (int i = 0; i < 5; ++i)
        lines.Insert(i, TRVDrawLineInfo(i, 0, true, i, 1, 1));
    lines.MarkReusable(1, 3);
    lines.Insert(1, TRVDrawLineInfo(10, 0, true, 10, 1, 1));
    lines.Insert(2, TRVDrawLineInfo(11, 0, true, 11, 1, 1));
    lines.Delete(2); // gives the slot back
    EXPECT_EQ(lines.ReusableFirst(), 2);
    EXPECT_EQ(lines.ReusableCount(), 2);
    lines.FinishReuse();
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[0].ItemNo, 0);
    EXPECT_EQ(lines[1].ItemNo, 10);
    EXPECT_EQ(lines[2].ItemNo, 4);
    EXPECT_EQ(lines[1].StartsLine, 255);
    lines.Insert(3, TRVDrawLineInfo(12, 0, false, 12, 1, 1));
    EXPECT_EQ(lines.Count(), 4);
}

} // namespace
} // namespace vellum::testing

namespace vellum::testing {
namespace {

// Formatting for a device of another resolution converts every length, and lengths a file
// claims stay inside the coordinate limit there too.
TEST(FormatPass, OtherDeviceConvertsAndSaturates)
{
    LayoutDoc doc;
    doc.Text(u"first").Text(u"second", kPlain, true, kParaHugeSpace).Picture(2000000000, 10);
    platform::RecordingCanvas printer(1, 1, 192, 192);
    doc.data.SetClientSize(200, 100000);
    doc.data.Format(false, true, false, true, false, &printer, 0, false);
    const TRVDrawLines& items = doc.data.DrawItems();
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items[0].Left, 10); // the 5-pixel margin on a device of twice the resolution
    EXPECT_EQ(items[0].Top, 10);
    EXPECT_EQ(items[1].Top, int32_t(kCoordinateLimit));
    EXPECT_EQ(items[2].Width, int32_t(kCoordinateLimit));
    EXPECT_GT(doc.data.DocumentHeight(), 0);
    EXPECT_LE(doc.data.DocumentHeight(), int32_t(kCoordinateLimit));
}

} // namespace
} // namespace vellum::testing
