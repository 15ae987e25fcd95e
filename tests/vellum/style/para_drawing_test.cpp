// Borders and backgrounds drawn on the recording canvas.
#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

#include "platform/testing/recording_canvas.h"
#include "vellum/style/para_border.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

std::vector<std::string> Draw(const TRVBorder& border, ColorMode mode = rvcmColor)
{
    platform::RecordingCanvas canvas;
    border.Draw({10, 20, 110, 60}, canvas, mode);
    return canvas.Log();
}

TEST(BorderDrawing, SingleDrawsEachVisibleSideThereAndBack)
{
    TRVBorder b;
    b.Style = rvbSingle;
    b.Color = clRed;
    b.VisibleBorders.Left = false;
    b.BorderOffsets.Top = 3;
    b.BorderOffsets.Right = 2;
    const std::vector<std::string> expected = {
        "line 10,17,112,17 pen=#0000FF/1", "line 112,17,10,17 pen=#0000FF/1",  // top
        "line 112,17,112,60 pen=#0000FF/1", "line 112,60,112,17 pen=#0000FF/1", // right
        "line 112,60,10,60 pen=#0000FF/1", "line 10,60,112,60 pen=#0000FF/1",  // bottom
    };
    std::vector<std::string> log = Draw(b);
    std::vector<std::string> lines;
    for (const std::string& l : log)
        if (l.rfind("line", 0) == 0)
            lines.push_back(l);
    EXPECT_EQ(lines, expected);
}

TEST(BorderDrawing, NoneDrawsNothing)
{
    TRVBorder b;
    EXPECT_TRUE(Draw(b).empty());
}

// The top edge's y of each pass, innermost first, and the pen width used for it.
std::vector<std::pair<int, int>> TopLines(const TRVBorder& border)
{
    platform::RecordingCanvas canvas;
    border.Draw({10, 20, 110, 60}, canvas, rvcmColor);
    std::vector<std::pair<int, int>> tops;
    for (const std::string& l : canvas.Log()) {
        int x1, y1, x2, y2, w;
        char color[32];
        if (sscanf(l.c_str(), "line %d,%d,%d,%d pen=%31[^/]/%d", &x1, &y1, &x2, &y2, color, &w) == 6 && y1 == y2 &&
            y1 <= 20 && x1 < x2 && (tops.empty() || tops.back().first != y1))
            tops.push_back({y1, w});
    }
    return tops;
}

TEST(BorderDrawing, PassesGrowOutward)
{
    struct Case {
        TRVBorderStyle style;
        int width, internal;
        std::vector<std::pair<int, int>> tops;
    };
    const Case cases[] = {
        // Two one-pixel lines two pixels apart: one blank pixel between them.
        {rvbDouble, 1, 1, {{20, 1}, {18, 1}}},
        {rvbTriple, 1, 2, {{20, 1}, {17, 1}, {14, 1}}},
        // The outer line of a thick-outside border is twice as wide.
        {rvbThickOutside, 2, 1, {{20, 2}, {18, 4}}},
        // The inner one of a thick-inside border; with width 1 the top moves one more.
        {rvbThickInside, 1, 1, {{20, 2}, {17, 1}}},
    };
    for (const Case& c : cases) {
        TRVBorder b;
        b.Style = c.style;
        b.Width = c.width;
        b.InternalWidth = c.internal;
        EXPECT_EQ(TopLines(b), c.tops) << int(c.style);
    }
}

TEST(BorderDrawing, ThickOutsideWithWidthOneGrowsRightAndBottom)
{
    TRVBorder b;
    b.Style = rvbThickOutside;
    platform::RecordingCanvas canvas;
    b.Draw({0, 0, 10, 10}, canvas, rvcmColor);
    // Second pass: left/top at -2, right/bottom at 10 + 2 + 1.
    EXPECT_NE(std::find(canvas.Log().begin(), canvas.Log().end(), "line -2,-2,13,-2 pen=sys8/2"), canvas.Log().end());
    EXPECT_EQ(canvas.GetPen().width, 1);
}

TEST(BorderDrawing, ColourModes)
{
    TRVBorder b;
    b.Style = rvbSingle;
    b.VisibleBorders = TRVBooleanRect();
    struct Case {
        platform::Color color;
        ColorMode mode;
        const char* pen;
    };
    const Case cases[] = {
        {clWindowText, rvcmColor, "pen=sys8/1"},
        {clWindowText, rvcmPrinterColor, "pen=#000000/1"},
        {clBtnFace, rvcmPrinterColor, "pen=#C0C0C0/1"},
        {clBtnShadow, rvcmPrinterColor, "pen=#808080/1"},
        {clWindow, rvcmPrinterColor, "pen=#FFFFFF/1"},
        {clRed, rvcmPrinterColor, "pen=#0000FF/1"},
        {clRed, rvcmGrayScale, "pen=#4D4D4D/1"}, // 0.30 x 255 = 76.5, rounded to 77
        {clRed, rvcmBlackAndWhite, "pen=#000000/1"},
        {clYellow, rvcmBlackOnWhite, "pen=#000000/1"},
    };
    for (const Case& c : cases) {
        b.Color = c.color;
        std::vector<std::string> log = Draw(b, c.mode);
        ASSERT_FALSE(log.empty());
        std::string first;
        for (const std::string& l : log)
            if (l.rfind("line", 0) == 0) {
                first = l;
                break;
            }
        EXPECT_NE(first.find(c.pen), std::string::npos) << first << " mode " << int(c.mode);
    }
}

TEST(BackgroundDrawing, FillsOnePixelWiderAndTaller)
{
    TRVBackgroundRect back;
    platform::RecordingCanvas canvas;
    back.Draw({5, 6, 50, 40}, canvas, rvcmColor);
    EXPECT_TRUE(canvas.Log().empty());
    back.Color = clYellow;
    back.Draw({5, 6, 50, 40}, canvas, rvcmColor);
    back.Draw({5, 6, 50, 40}, canvas, rvcmBlackAndWhite);
    back.Draw({5, 6, 50, 40}, canvas, rvcmBlackOnWhite);
    back.Color = clBtnFace;
    back.Draw({0, 0, 1, 1}, canvas, rvcmPrinterColor);
    // Widened by one for a null-pen rectangle, which itself stops one pixel short: the fill
    // covers exactly the given rectangle.
    const std::vector<std::string> fills = {"rect 5,6,51,41 pen=sys8/1/null brush=#00FFFF",
                                            "rect 0,0,2,2 pen=sys8/1/null brush=#C0C0C0"};
    std::vector<std::string> rects;
    for (const std::string& line : canvas.Log())
        if (line.rfind("rect", 0) == 0)
            rects.push_back(line);
    EXPECT_EQ(rects, fills);
}

TEST(StyleSheetDrawing, ParaBackEventCanCancel)
{
    TRVStyle sheet;
    sheet.ParaStyles()[1].Background.Color = clAqua;
    platform::RecordingCanvas canvas;
    sheet.DrawParaBack(canvas, 1, {0, 0, 10, 10});
    int calls = 0;
    sheet.OnDrawParaBack = [&](TRVStyle&, platform::Canvas&, int paraNo, const platform::Rect&, bool& doDefault) {
        ++calls;
        doDefault = paraNo != 1;
    };
    sheet.DrawParaBack(canvas, 1, {0, 0, 10, 10});
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(canvas.Log(), (std::vector<std::string>{"rect 0,0,11,11 pen=sys8/1/null brush=#FFFF00"}));
}

TEST(StyleSheetDrawing, PageBreakMark)
{
    TRVStyle sheet;
    platform::RecordingCanvas canvas;
    sheet.DrawPageBreak(canvas, 30, 5, nullptr, nullptr, rvpbPageBreak, 0, 400);
    EXPECT_EQ(canvas.Log(), (std::vector<std::string>{"line 0,30,392,30 pen=sys16/1",
                                                      "polygon 392,30 400,38 392,38 pen=sys16/1 brush=sys5"}));
    EXPECT_EQ(sheet.ContextItemNo, 5);
    EXPECT_EQ(canvas.Brush(), clNone);
    canvas.ClearLog();
    sheet.DrawPageBreak(canvas, 30, 5, nullptr, nullptr, rvpbSoftPageBreak, 100, 400);
    EXPECT_EQ(canvas.Log()[0], "line -100,30,292,30 pen=sys15/1");
}

TEST(StyleSheetDrawing, CheckpointMark)
{
    TRVStyle sheet;
    platform::RecordingCanvas canvas;
    sheet.DrawCheckpoint(canvas, 40, 12, 3, 5, true, nullptr, nullptr, 0, 300);
    EXPECT_EQ(canvas.Log(), (std::vector<std::string>{"ellipse 38,10,42,14 pen=#00FF00/1 brush=none",
                                                      "line -5,12,295,12 pen=#00FF00/1/dot"}));
    EXPECT_EQ(canvas.GetPen().style, platform::PenStyle::Solid);
    canvas.ClearLog();
    // The checkpoint after the last item has no circle.
    sheet.DrawCheckpoint(canvas, -1, 12, -1, 0, false, nullptr, nullptr, 0, 300);
    EXPECT_EQ(canvas.Log(), (std::vector<std::string>{"line 0,12,300,12 pen=#008000/1/dot"}));
}

} // namespace
} // namespace vellum
