// What painting visits, where it puts things for a clip rectangle and scroll position, the
// selection rules inside a piece, and one document painted on the Qt canvas.
#include "paint_test_util.h"

#include "platform/qt/qt_canvas.h"
#include "vellum/layout/document_painter.h"

#include <QGuiApplication>

#include <algorithm>

namespace vellum::testing {
namespace {

int CountLines(const std::string& dump, const std::string& prefix)
{
    int count = 0;
    for (size_t at = 0; (at = dump.find(prefix, at)) != std::string::npos; at += prefix.size())
        ++count;
    return count;
}

// 600 paragraphs of three lines each (the client is narrow enough to wrap each one twice).
PaintDoc& LongDocument(PaintDoc& doc)
{
    for (int i = 0; i < 600; ++i)
        doc.Text(u"aaaa bbbb cccc dddd eeee ffff").More(u" gggg");
    return doc.Format(80);
}

TEST(PaintRange, MiddleWindowVisitsItsParagraphsOnly)
{
    PaintDoc doc;
    LongDocument(doc);
    const TRVDrawLines& items = doc.data.DrawItems();
    const int32_t top = doc.data.DocumentHeight() / 2;
    doc.data.ScrollToY(top);
    const std::string dump = doc.Paint({}, 1000);
    const PaintReport report = doc.report;
    ASSERT_GE(report.firstDrawItemNo, 1);
    // It starts at a paragraph's first piece, no more than a paragraph above the window...
    EXPECT_TRUE(doc.data.StartsParagraphAt(items[report.firstDrawItemNo].ItemNo));
    EXPECT_NE(items[report.firstDrawItemNo - 1].ItemNo, items[report.firstDrawItemNo].ItemNo);
    EXPECT_LT(items[report.firstDrawItemNo].Top, top);
    EXPECT_GT(items[report.firstDrawItemNo].Top, top - 3 * 16 * 3);
    // ... and ends at the first line start below it.
    const TRVDrawLineInfo& last = items[report.lastDrawItemNo];
    EXPECT_TRUE(last.IsFirstOfLine());
    EXPECT_GE(items[report.lastDrawItemNo - 1].Top, top + 1000);
    EXPECT_LT(items[report.lastDrawItemNo - 1].Top, top + 1000 + 16);
    // Every visited piece drew its text once; nothing else was visited.
    EXPECT_EQ(report.lastDrawItemNo - report.firstDrawItemNo + 1, CountLines(dump, "textW "));
    EXPECT_EQ(report.textParts, CountLines(dump, "textW "));
    EXPECT_LT(report.textParts, items.Count() / 20);
}

TEST(PaintRange, PlacesByScrollClipAndOffsets)
{
    PaintDoc doc;
    doc.Text(u"abc").Text(u"def").Format();
    PaintArgs args;
    args.clip = {10, 16, 210, 40};
    doc.data.ScrollToY(5);
    doc.data.ScrollToX(2);
    args.xOffset = 1;
    // The second line (document y 21) is at 21 - 5 - 16 = 0; x 5 - 2 - 10 - 1 = -8.
    const std::string dump = doc.Paint(args);
    EXPECT_NE(std::string::npos, dump.find("textW -8,0 \"def\""));
    EXPECT_NE(std::string::npos, dump.find("textW -8,-16 \"abc\""));
}

TEST(PaintRange, WholeLinesOnlyLeavesOutCutLines)
{
    PaintDoc doc;
    doc.Text(u"abc").Text(u"def").Format();
    PaintArgs args;
    args.clip = {0, 0, 200, 30};
    args.wholeLinesOnly = true;
    const std::string dump = doc.Paint(args);
    EXPECT_EQ(1, CountLines(dump, "textW "));
}

TEST(PaintRange, EmptyAndUnformattedDocumentsPaintNothing)
{
    PaintDoc empty;
    EXPECT_EQ("", empty.Format().Paint());
    PaintDoc unformatted;
    unformatted.Text(u"abc");
    EXPECT_EQ("", unformatted.Paint());
    PaintDoc doc;
    doc.Text(u"abc").Format();
    doc.data.ScrollToY(5000);
    EXPECT_EQ("", doc.Paint());
}

TEST(PieceSelection, OffsetsInsideAPiece)
{
    struct Case {
        PaintSelection selection;
        int32_t drawItemNo;
        int32_t first;
        int32_t last;
        bool whole;
    };
    const Case cases[] = {
        {Selected(2, 3, 2, 5), 2, 3, 4, false},   // inside one piece
        {Selected(2, 1, 2, 6), 2, 1, 5, true},    // from before the first to after the last
        {Selected(1, 3, 3, 1), 2, 1, 5, true},    // a piece between the ends
        {Selected(2, 4, 4, 2), 2, 4, 5, false},   // the start piece
        {Selected(0, 1, 2, 3), 2, 1, 2, false},   // the end piece
        {Selected(0, 1, 2, 1), 2, 1, 0, false},   // ends before its first character
        {Selected(3, 1, 4, 2), 2, 1, 0, false},   // outside
        {Selected(2, 3, 2, 3), 2, 1, 0, false},   // empty selection
    };
    for (const Case& c : cases) {
        const PieceSelection piece = SelectedCharacters(c.selection, c.drawItemNo, 5);
        EXPECT_EQ(c.whole, piece.whole);
        if (c.last >= c.first) {
            EXPECT_EQ(c.first, piece.first);
            EXPECT_EQ(c.last, piece.last);
        } else {
            EXPECT_FALSE(piece.Any());
        }
    }
    PaintSelection all;
    all.entirelySelected = true;
    EXPECT_TRUE(SelectedCharacters(all, 7, 5).whole);
}

TEST(PieceSelection, ItemsThatAreNotText)
{
    EXPECT_TRUE(NonTextSelected(Selected(1, 0, 3, 1), 1));
    EXPECT_FALSE(NonTextSelected(Selected(1, 1, 3, 1), 1)); // starts after it
    EXPECT_FALSE(NonTextSelected(Selected(0, 1, 1, 0), 1)); // ends before it
    EXPECT_TRUE(NonTextSelected(Selected(0, 1, 1, 1), 1));
    EXPECT_TRUE(NonTextSelected(Selected(0, 1, 3, 1), 2));
    EXPECT_FALSE(NonTextSelected(Selected(0, 1, 3, 1), 4));
}

TEST(PaintDocumentOnQt, SelectedAndUnselectedColumns)
{
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
    PaintDoc doc;
    doc.style.SelColor = clNavy;
    doc.style.SelTextColor = clWhite;
    platform::QtImageCanvas reference(1, 1);
    doc.data.SetCanvas(&reference);
    doc.Text(u"MMMM").More(u"MMMM").Format();
    platform::QtImageCanvas canvas(200, 40);
    PaintArgs args;
    args.canvas = &canvas;
    args.clip = {0, 0, 200, 40};
    args.controlFocused = true;
    Select(doc.data, 1, 1, 1, 5);
    PaintDocument(doc.data, args);
    const QImage& image = canvas.Image();
    const TRVDrawLineInfo& plain = doc.data.DrawItems()[0];
    const TRVDrawLineInfo& selected = doc.data.DrawItems()[1];
    auto column = [&image](int x, int top, int height, QRgb wanted) {
        int count = 0;
        for (int y = top; y < top + height; ++y)
            count += image.pixel(x, y) == wanted ? 1 : 0;
        return count;
    };
    // Text pixels: light ones on the selection, dark ones on white.
    auto inked = [&image](int x, int top, int height, bool light) {
        int count = 0;
        for (int y = top; y < top + height; ++y)
            count += (qRed(image.pixel(x, y)) > 128) == light && image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        return count;
    };
    const QRgb navy = qRgb(0, 0, 128);
    // The selected run stands on navy with white text; the plain one on white with dark text.
    for (int x = selected.Left + 1; x < selected.Left + selected.Width - 1; x += 3) {
        EXPECT_GE(column(x, selected.Top, selected.Height, navy), selected.Height / 4) << x;
    }
    int inkInSelection = 0;
    int inkInPlain = 0;
    for (int x = selected.Left; x < selected.Left + selected.Width; ++x)
        inkInSelection += inked(x, selected.Top, selected.Height, true);
    for (int x = plain.Left; x < plain.Left + plain.Width; ++x) {
        EXPECT_EQ(0, column(x, plain.Top, plain.Height, navy));
        inkInPlain += inked(x, plain.Top, plain.Height, false);
    }
    EXPECT_GT(inkInSelection, 10);
    EXPECT_GT(inkInPlain, 10);
}

} // namespace
} // namespace vellum::testing
