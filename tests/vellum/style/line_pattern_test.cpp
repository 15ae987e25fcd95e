// Underline patterns at several resolutions, the drawing of patterned and solid lines, the
// advances that stretch text to a width, and borders with widths no canvas could take.
#include "vellum/style/line_pattern.h"
#include "vellum/style/para_border.h"
#include "vellum/style/text_advances.h"

#include "platform/testing/recording_canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vellum {
namespace {

std::string SegmentsText(const std::vector<LineSegment>& segments)
{
    std::string out;
    for (const LineSegment& s : segments)
        out += (out.empty() ? "" : " ") + std::to_string(s.start) + "+" + std::to_string(s.length);
    return out;
}

struct PatternCase {
    TRVUnderlineType type;
    const char* at96;
    const char* at120;
    const char* at48;
};

// A line 24 pixels long. Periods scale with round(P x ppi / 96), halves up.
const PatternCase kPatterns[] = {
    {rvutNormal, "0+24", "0+24", "0+24"},
    {rvutThick, "0+24", "0+24", "0+24"},
    {rvutDouble, "0+24", "0+24", "0+24"},
    {rvutDotted, "0+2 4+2 8+2 12+2 16+2 20+2", "0+3 5+3 10+3 15+3 20+3",
     "0+1 2+1 4+1 6+1 8+1 10+1 12+1 14+1 16+1 18+1 20+1 22+1"},
    {rvutThickDotted, "0+2 4+2 8+2 12+2 16+2 20+2", "0+3 5+3 10+3 15+3 20+3",
     "0+1 2+1 4+1 6+1 8+1 10+1 12+1 14+1 16+1 18+1 20+1 22+1"},
    {rvutDashed, "0+8 12+8", "0+10 15+9", "0+4 6+4 12+4 18+4"},
    {rvutThickDashed, "0+8 12+8", "0+10 15+9", "0+4 6+4 12+4 18+4"},
    {rvutLongDashed, "0+16", "0+20", "0+8 12+8"},
    {rvutThickLongDashed, "0+16", "0+20", "0+8 12+8"},
    {rvutDashDotted, "0+8 10+2 14+8", "0+10 13+3 18+6", "0+4 5+1 7+4 12+1 14+4 19+1 21+3"},
    {rvutThickDashDotted, "0+8 10+2 14+8", "0+10 13+3 18+6", "0+4 5+1 7+4 12+1 14+4 19+1 21+3"},
    {rvutDashDotDotted, "0+6 8+2 12+2 16+6", "0+8 10+3 15+3 20+4", "0+3 4+1 6+1 8+3 12+1 14+1 16+3 20+1 22+1"},
    {rvutThickDashDotDotted, "0+6 8+2 12+2 16+6", "0+8 10+3 15+3 20+4",
     "0+3 4+1 6+1 8+3 12+1 14+1 16+3 20+1 22+1"},
};

TEST(UnderlinePattern, EveryTypeAtThreeResolutions)
{
    for (const PatternCase& c : kPatterns) {
        SCOPED_TRACE(int(c.type));
        EXPECT_EQ(c.at96, SegmentsText(UnderlineSegments(c.type, 96, 24)));
        EXPECT_EQ(c.at120, SegmentsText(UnderlineSegments(c.type, 120, 24)));
        EXPECT_EQ(c.at48, SegmentsText(UnderlineSegments(c.type, 48, 24)));
    }
}

TEST(UnderlinePattern, OnlyVisiblePiecesOfAnyLength)
{
    // A line of 2^40 pixels seen through a window of 30 lists only what the window shows.
    const auto pieces = UnderlineSegments(rvutDashDotted, 96, int64_t(1) << 40, 1400, 1430);
    EXPECT_EQ("1400+8 1410+2 1414+8 1424+2 1428+8", SegmentsText(pieces));
    // At one pixel per inch every period is still one pixel or more, so the list ends.
    EXPECT_EQ(1000u, UnderlineSegments(rvutDotted, 1, 1000).size());
    EXPECT_TRUE(UnderlineSegments(rvutDashed, 96, 0).empty());
}

TEST(UnderlineDrawing, ThicknessAndKinds)
{
    struct Case {
        TRVUnderlineType type;
        int thickness;
        const char* expected;
    };
    const Case cases[] = {
        {rvutNormal, 0, ""},
        {rvutNormal, -3, ""},
        {rvutNormal, 1, "line 10,20,30,20 pen=#000000/1\n"},
        {rvutNormal, 3, "fill 10,19,30,22 #000000\n"},
        {rvutThick, 2, "fill 10,18,30,22 #000000\n"},
        // Two lines of half the thickness at y - T and y + T.
        {rvutDouble, 4, "fill 10,15,30,17 #000000\nfill 10,23,30,25 #000000\n"},
        {rvutDouble, 1, "line 10,19,30,19 pen=#000000/1\nline 10,21,30,21 pen=#000000/1\n"},
        {rvutThickDashed, 1, "fill 10,19,18,21 #000000\nfill 22,19,30,21 #000000\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.type)) + "/" + std::to_string(c.thickness));
        platform::RecordingCanvas canvas(100, 100);
        DrawUnderline(canvas, c.type, 10, 30, 20, c.thickness, clBlack);
        EXPECT_EQ(c.expected, canvas.Dump());
    }
    platform::RecordingCanvas canvas(100, 100);
    DrawUnderline(canvas, rvutNormal, 10, 30, 20, 1, clNone);
    DrawUnderline(canvas, rvutDotted, 30, 10, 20, 1, clBlack);
    EXPECT_EQ("", canvas.Dump());
}

TEST(UnderlineDrawing, PatternCutToTheClip)
{
    platform::RecordingCanvas canvas(100, 100);
    canvas.IntersectClip({0, 0, 20, 100});
    canvas.ClearLog();
    DrawUnderline(canvas, rvutDashed, 0, INT32_MAX / 2, 5, 2, clBlack);
    EXPECT_EQ("fill 0,4,8,6 #000000\nfill 12,4,20,6 #000000\n", canvas.Dump());
}

TEST(TextAdvances, SpreadOverEvenlySpacedCharacters)
{
    struct Case {
        std::vector<int> advances;
        int total;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{5, 5, 5}, 18, {6, 6, 6}},
        {{5, 5, 5, 5}, 22, {6, 5, 6, 5}},
        {{5, 5, 5, 5}, 18, {4, 5, 4, 5}},
        {{6, 6, 6, 6, 6, 6}, 45, {8, 7, 8, 7, 8, 7}},
        {{10}, 7, {7}},
        {{}, 7, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> advances = c.advances;
        SpreadAdvances(advances, c.total);
        EXPECT_EQ(c.expected, advances) << c.total;
    }
}

TEST(TextAdvances, MeasuredOnTheReferenceCanvas)
{
    platform::RecordingCanvas reference(1, 1);
    platform::RecordingCanvas target(100, 100, 192, 192);
    platform::FontSpec font;
    font.pointSize = 10; // 13-pixel em, narrow characters 6 at 96 ppi
    target.SetFont(font);
    // "abcd" measures 24 on the reference canvas; 30 more gives each character 1 and the
    // first and third one more.
    EXPECT_EQ((std::vector<int>{8, 7, 8, 7}), ReferenceAdvances(reference, target, "abcd", false, 30));
    // Two bytes of one ideograph in GBK: one character, drawn as it is.
    font.charset = 134;
    target.SetFont(font);
    EXPECT_TRUE(ReferenceAdvances(reference, target, "\xC4\xE3", false, 30).empty());
    // UTF-16 "ab" and a pair of surrogates: the pair's second unit carries nothing.
    const std::string units("a\0b\0\x3D\xD8\x00\xDE", 8);
    font.charset = 1;
    target.SetFont(font);
    EXPECT_EQ((std::vector<int>{6, 6, 12, 0}), ReferenceAdvances(reference, target, units, true, 24));
}

TEST(BorderDrawing, WidePensFillTheRectangleAtOnce)
{
    TRVBorder border;
    border.Style = rvbThickOutside;
    border.Width = 1000000000;
    border.InternalWidth = INT_MAX;
    platform::RecordingCanvas canvas(200, 100);
    border.Draw({10, 10, 50, 30}, canvas, rvcmColor);
    // The inner line covers everything and fills what the canvas shows; the outer one lies a
    // gap of 2^31 further out, where its bands miss the canvas. No pen is that wide.
    EXPECT_EQ("fill 0,0,200,100 sys8\n", canvas.Dump());
    EXPECT_EQ(1, canvas.GetPen().width);
}

TEST(BorderDrawing, FarAwayWidePensDrawOnlyTheirBands)
{
    TRVBorder border;
    border.Style = rvbSingle;
    border.Width = 1000;
    border.BorderOffsets.SetAll(INT_MAX);
    platform::RecordingCanvas canvas(200, 100);
    border.Draw({10, 10, 50, 30}, canvas, rvcmColor);
    // The sides lie about 2^31 pixels away: their bands miss the canvas.
    EXPECT_EQ("", canvas.Dump());
}

TEST(BorderDrawing, NormalWidthsKeepTheirPens)
{
    TRVBorder border;
    border.Style = rvbSingle;
    border.Width = 3;
    platform::RecordingCanvas canvas(200, 100);
    border.Draw({10, 10, 50, 30}, canvas, rvcmColor);
    EXPECT_NE(std::string::npos, canvas.Dump().find("line 10,10,50,10 pen=sys8/3"));
}

} // namespace
} // namespace vellum
