#include "platform/testing/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

FontSpec Font(int height, std::u16string face = u"Arial", int charset = 1)
{
    FontSpec request;
    request.face = std::move(face);
    request.height = height;
    request.charset = charset;
    return request;
}

TEST(RecordingCanvas, MetricsFollowTheDocumentedRules)
{
    struct Case {
        FontSpec font;
        FontMetrics expected;
    };
    FontSpec points;
    points.pointSize = 12; // 16 px at 96 ppi
    FontSpec cell = Font(20); // cell height 20 -> em 16
    FontSpec wide = Font(-16);
    wide.width = 5;
    wide.style = fsBold;
    const std::vector<Case> cases = {
        {Font(-16), {20, 16, 4, 4, 2, 8, 16, 400, 1}},
        {points, {20, 16, 4, 4, 2, 8, 16, 400, 1}},
        {cell, {20, 16, 4, 4, 2, 8, 16, 400, 1}},
        {Font(-13), {16, 13, 3, 3, 1, 6, 12, 400, 1}},
        {wide, {20, 16, 4, 4, 2, 5, 10, 700, 1}},
        {Font(-1), {1, 1, 0, 0, 0, 1, 2, 400, 1}},
    };
    RecordingCanvas canvas;
    for (const Case& c : cases) {
        canvas.SetFont(c.font);
        EXPECT_EQ(canvas.GetFontMetrics(), c.expected) << c.font.height << " " << c.font.pointSize;
    }
}

TEST(RecordingCanvas, PointSizesFollowTheResolution)
{
    RecordingCanvas canvas(100, 100, 120, 144);
    FontSpec request;
    request.pointSize = 10; // MulDiv(10, 144, 72) = 20
    canvas.SetFont(request);
    EXPECT_EQ(canvas.EmSize(), 20);
    EXPECT_EQ(canvas.PixelsPerInchX(), 120);
}

TEST(RecordingCanvas, OutlineMetricsCanBeSwitchedOff)
{
    RecordingCanvas canvas;
    canvas.SetFont(Font(-30));
    OutlineMetrics m;
    ASSERT_TRUE(canvas.GetOutlineMetrics(m));
    EXPECT_EQ(m.subscriptSizeY, 20);
    EXPECT_EQ(m.subscriptOffsetY, 6);
    EXPECT_EQ(m.superscriptOffsetY, 12);
    EXPECT_EQ(m.underscoreSize, 2);
    EXPECT_EQ(m.underscorePosition, -3);
    EXPECT_EQ(m.strikeoutPosition, 9);
    canvas.SetHasOutlineMetrics(false);
    EXPECT_FALSE(canvas.GetOutlineMetrics(m));
}

TEST(RecordingCanvas, Utf16PositionsAndFitCounts)
{
    struct Case {
        std::u16string text;
        int spacing;
        int maxExtent;
        int fit;
        std::vector<int> positions;
    };
    // em 16: narrow 8, wide 16.
    const std::vector<Case> cases = {
        {u"", 0, 100, 0, {}},
        {u"abc", 0, 100, 3, {8, 16, 24}},
        {u"abc", 0, 16, 2, {8, 16, 24}},
        {u"abc", 0, 15, 1, {8, 16, 24}},
        {u"abc", 0, 0, 0, {8, 16, 24}},
        {u"a中b", 0, 24, 2, {8, 24, 32}},
        {u"a中b", 0, 23, 1, {8, 24, 32}},
        {u"ab", 3, 21, 1, {11, 22}},
        {u"a\u200Bb", 0, 16, 3, {8, 8, 16}},
        {u"e\u0301x", 0, 100, 3, {8, 8, 16}},
        // A character outside the basic plane: two code units, one wide advance.
        {u"a\U0001F600b", 0, 24, 3, {8, 24, 24, 32}},
        {u"a\U0001F600b", 0, 23, 1, {8, 24, 24, 32}},
        // A lone surrogate is a character of its own.
        {u"a\xD800" u"b", 0, 100, 3, {8, 16, 24}},
    };
    RecordingCanvas canvas;
    canvas.SetFont(Font(-16));
    for (const Case& c : cases) {
        canvas.SetCharSpacing(c.spacing);
        std::vector<int> positions(c.text.size(), -1);
        Size extent;
        EXPECT_EQ(canvas.FitTextW(c.text, c.maxExtent, positions, &extent), c.fit);
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(extent.cx, c.positions.empty() ? 0 : c.positions.back());
        EXPECT_EQ(extent.cy, 20);
        EXPECT_EQ(canvas.FitTextW(c.text, c.maxExtent, {}), c.fit);
        EXPECT_EQ(canvas.TextExtentW(c.text).cx, extent.cx);
    }
}

TEST(RecordingCanvas, DoubleByteTextSharesOnePositionPerCharacter)
{
    // "a中b" in code page 936: the two bytes of 中 are D6 D0.
    const std::string gbk = "a\xD6\xD0" "b";
    RecordingCanvas canvas;
    canvas.SetFont(Font(-16, u"宋体", 134));
    std::vector<int> positions(gbk.size());
    EXPECT_EQ(canvas.FitText(gbk, 24, positions), 3);
    EXPECT_EQ(positions, (std::vector<int>{8, 24, 24, 32}));
    EXPECT_EQ(canvas.FitText(gbk, 23, positions), 1);
    EXPECT_EQ(canvas.TextExtent(gbk).cx, 32);
    // A lead byte at the end is a character of its own.
    EXPECT_EQ(canvas.TextExtent("a\xD6").cx, 16);
    // So is a lead byte before a byte that cannot follow it (a line end here).
    std::vector<int> split(3);
    canvas.FitText("\xD6\x0A" "b", 100, split);
    EXPECT_EQ(split, (std::vector<int>{8, 16, 24}));

    std::vector<int> carets(gbk.size() + 1);
    ASSERT_TRUE(canvas.CaretPositions(gbk, carets));
    EXPECT_EQ(carets, (std::vector<int>{0, 8, 8, 24, 32}));
    EXPECT_FALSE(canvas.CaretPositions(gbk, std::span<int>(carets).first(2)));
}

TEST(RecordingCanvas, WrongSizedPositionArraysAreRefused)
{
    RecordingCanvas canvas;
    std::vector<int> positions(2, -1);
    EXPECT_EQ(canvas.FitTextW(u"abc", 100, positions), 0);
    EXPECT_EQ(positions, (std::vector<int>{-1, -1}));
}

TEST(RecordingCanvas, CaretPositionsOfUtf16)
{
    RecordingCanvas canvas;
    canvas.SetFont(Font(-16));
    canvas.SetCharSpacing(1);
    const std::u16string text = u"a\U0001F600b";
    std::vector<int> carets(text.size() + 1);
    ASSERT_TRUE(canvas.CaretPositionsW(text, carets));
    EXPECT_EQ(carets, (std::vector<int>{0, 9, 9, 26, 35}));
}

TEST(RecordingCanvas, SymbolFacesShowTheirSymbols)
{
    RecordingCanvas canvas;
    canvas.SetFont(Font(-16, u"Symbol", 2));
    canvas.TextOut(0, 0, "\xB7\xBF" "a");
    canvas.SetFont(Font(-16, u"wingdings", 2));
    canvas.TextOut(0, 0, "\x6C\xA7");
    ASSERT_EQ(canvas.Log().size(), 2u);
    EXPECT_EQ(canvas.Log()[0], "textA 0,0 \"•↵α\" font=Symbol/-16 cs=2 color=sys8 back=none");
    EXPECT_EQ(canvas.Log()[1], "textA 0,0 \"●▪\" font=wingdings/-16 cs=2 color=sys8 back=none");
}

TEST(RecordingCanvas, ClipStackNarrowsAndRestores)
{
    RecordingCanvas canvas(200, 100);
    EXPECT_EQ(canvas.ClipBox(), (Rect{0, 0, 200, 100}));
    canvas.PushClip();
    canvas.IntersectClip({10, 10, 300, 50});
    EXPECT_EQ(canvas.ClipBox(), (Rect{10, 10, 200, 50}));
    canvas.PushClip();
    canvas.IntersectClip({300, 0, 400, 10});
    EXPECT_TRUE(canvas.ClipBox().IsEmpty());
    canvas.PopClip();
    EXPECT_EQ(canvas.ClipBox(), (Rect{10, 10, 200, 50}));
    canvas.PopClip();
    canvas.PopClip(); // unbalanced: ignored
    EXPECT_EQ(canvas.ClipBox(), (Rect{0, 0, 200, 100}));
    EXPECT_EQ(canvas.Dump(), "clip push\n"
                             "clip 10,10,300,50 -> 10,10,200,50\n"
                             "clip push\n"
                             "clip 300,0,400,10 -> 0,0,0,0\n"
                             "clip pop\n"
                             "clip pop\n");
}

TEST(RecordingCanvas, RecordsDrawCallsAsText)
{
    RecordingCanvas canvas;
    FontSpec font = Font(-16);
    font.style = fsBold | fsUnderline;
    canvas.SetFont(font);
    canvas.SetTextColor(Rgb(255, 0, 0));
    canvas.SetTextBackground(kColorHighlight);
    const int advances[] = {9, 9};
    canvas.TextOutW(5, 6, u"中a", advances);
    canvas.SetTextBackground(kColorNone);
    canvas.SetCharSpacing(2);
    canvas.SetReadingOrder(ReadingOrder::RightToLeft);
    canvas.TextOutW(1, 2, u"x");
    canvas.FillRect({0, 0, 10, 10}, Rgb(0, 0, 255));
    canvas.FrameRect({1, 2, 3, 4}, kColorNone);
    canvas.SetPen({Rgb(0, 128, 0), 1, PenStyle::Dot});
    canvas.MoveTo(0, 5);
    canvas.LineTo(50, 5);
    canvas.LineTo(50, 9);
    canvas.SetBrush(kColorWindow);
    canvas.Rectangle({0, 0, 4, 4});
    canvas.SetPen({kColorBtnShadow, 2, PenStyle::Solid});
    canvas.Ellipse({-2, -2, 2, 2});
    const Point triangle[] = {{0, 0}, {8, 8}, {0, 8}};
    canvas.Polygon(triangle);
    canvas.InvertRect({0, 0, 2, 2});
    canvas.DrawFocusRect({0, 0, 5, 5});
    const Picture picture(PictureFormat::Bitmap, 2, 3, std::vector<uint32_t>(6), "");
    canvas.DrawPicture(picture, 7, 8);
    canvas.StretchPicture(picture, {0, 0, 4, 6}, kColorHighlight);
    EXPECT_EQ(canvas.Dump(),
              "textW 5,6 \"中a\" font=Arial/-16/BU color=#0000FF back=sys13 adv=9,9\n"
              "textW 1,2 \"x\" font=Arial/-16/BU color=#0000FF back=none spacing=2 rtl\n"
              "fill 0,0,10,10 #FF0000\n"
              "frame 1,2,3,4 none\n"
              "line 0,5,50,5 pen=#008000/1/dot\n"
              "line 50,5,50,9 pen=#008000/1/dot\n"
              "rect 0,0,4,4 pen=#008000/1/dot brush=sys5\n"
              "ellipse -2,-2,2,2 pen=sys16/2 brush=sys5\n"
              "polygon 0,0 8,8 0,8 pen=sys16/2 brush=sys5\n"
              "invert 0,0,2,2\n"
              "focus 0,0,5,5\n"
              "picture 7,8 2x3 bitmap\n"
              "stretch 0,0,4,6 2x3 bitmap blend=sys13\n");
}

TEST(RecordingCanvas, BuffersAreCopiedWithTheirDrawing)
{
    RecordingCanvas canvas(300, 200, 96, 96);
    std::unique_ptr<Canvas> buffer = canvas.CreateBuffer(30, 20);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->SurfaceSize(), (Size{30, 20}));
    EXPECT_EQ(buffer->ClipBox(), (Rect{0, 0, 30, 20}));
    buffer->FillRect({0, 0, 30, 20}, kColorWindow);
    canvas.CopyBuffer(*buffer, 10, 15);
    EXPECT_EQ(canvas.Dump(), "copy 30x20 at 10,15\n> fill 0,0,30,20 sys5\n");
}

TEST(RecordingCanvas, CountsWhatMeasuringCostOnItAndItsBuffers)
{
    RecordingCanvas canvas;
    canvas.SetHasOutlineMetrics(false);
    std::unique_ptr<Canvas> buffer = canvas.CreateBuffer(1, 1);
    OutlineMetrics outline;
    EXPECT_FALSE(buffer->GetOutlineMetrics(outline)); // the buffer inherits the setting
    std::vector<int> carets(4);
    std::vector<int> positions(2);
    struct Step {
        const char* name;
        void (*run)(Canvas&, std::vector<int>&, std::span<int>);
        CanvasCounters added;
    };
    const Step steps[] = {
        {"font", [](Canvas& c, std::vector<int>&, std::span<int>) { c.SetFont(Font(-20)); }, {1, 0, 0, 0}},
        {"metrics", [](Canvas& c, std::vector<int>&, std::span<int>) { c.GetFontMetrics(); }, {0, 1, 0, 0}},
        {"outline", [](Canvas& c, std::vector<int>&, std::span<int>) {
             OutlineMetrics o;
             c.GetOutlineMetrics(o);
         }, {0, 1, 0, 0}},
        {"extent", [](Canvas& c, std::vector<int>&, std::span<int>) { c.TextExtent("abcd"); }, {0, 0, 1, 4}},
        {"fit", [](Canvas& c, std::vector<int>&, std::span<int> p) { c.FitTextW(u"ab", 5, p); }, {0, 0, 1, 2}},
        {"carets", [](Canvas& c, std::vector<int>& k, std::span<int>) { c.CaretPositions("abc", k); },
         {0, 0, 1, 3}},
    };
    for (Canvas* surface : {static_cast<Canvas*>(&canvas), buffer.get()}) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            const CanvasCounters before = canvas.Counters();
            step.run(*surface, carets, std::span<int>(positions));
            const CanvasCounters after = canvas.Counters();
            EXPECT_EQ(after.fontSelections - before.fontSelections, step.added.fontSelections);
            EXPECT_EQ(after.metricReads - before.metricReads, step.added.metricReads);
            EXPECT_EQ(after.measuringCalls - before.measuringCalls, step.added.measuringCalls);
            EXPECT_EQ(after.charactersMeasured - before.charactersMeasured, step.added.charactersMeasured);
        }
    }
    canvas.ResetCounters();
    EXPECT_EQ(canvas.Counters().measuringCalls, 0);
}

} // namespace
} // namespace platform
