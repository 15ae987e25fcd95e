#include "platform/qt/qt_canvas.h"

#include "qt_test_app.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace platform {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

class QtCanvasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::EnsureQtApplication(); }

    static FontSpec Font(std::u16string face, int height, FontStyles style = 0, int charset = 1)
    {
        FontSpec request;
        request.face = std::move(face);
        request.height = height;
        request.style = style;
        request.charset = charset;
        return request;
    }

    // Column ranges [first, last] that hold any pixel darker than mid-grey.
    static std::vector<std::pair<int, int>> InkColumns(const QImage& image)
    {
        std::vector<std::pair<int, int>> ranges;
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = 0; y < image.height() && !ink; ++y)
                ink = qGray(image.pixel(x, y)) < 128;
            if (!ink)
                continue;
            if (!ranges.empty() && ranges.back().second == x - 1)
                ranges.back().second = x;
            else
                ranges.emplace_back(x, x);
        }
        return ranges;
    }
};

TEST_F(QtCanvasTest, RunWidthIsTheSumOfItsCharacters)
{
    const std::vector<FontSpec> fonts = {Font(u"Arial", -13), Font(u"宋体", -16),
                                         Font(u"Times New Roman", -20, fsBold),
                                         Font(u"Courier New", -15, fsItalic)};
    const std::vector<std::u16string> texts = {u"Hello, world", u"中文字符测试", u"混合 mixed 文本!",
                                               u"e\u0301\u200Bx\U0001F600"};
    QtImageCanvas canvas(100, 100);
    for (const FontSpec& font : fonts) {
        canvas.SetFont(font);
        for (const std::u16string& text : texts) {
            for (int spacing : {0, 2}) {
                canvas.SetCharSpacing(spacing);
                std::vector<int> positions(text.size());
                Size extent;
                canvas.FitTextW(text, 1 << 20, positions, &extent);
                EXPECT_EQ(extent.cx, positions.back());
                int sum = 0;
                for (size_t i = 0; i < text.size(); ++i) {
                    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF;
                    const size_t units = pair ? 2 : 1;
                    sum += canvas.TextExtentW(text.substr(i, units)).cx;
                    EXPECT_EQ(positions[i + units - 1], sum) << i;
                    i += units - 1;
                }
                EXPECT_EQ(canvas.TextExtentW(text).cx, sum);
            }
        }
    }
}

TEST_F(QtCanvasTest, FitCountsStopAtTheLimit)
{
    QtImageCanvas canvas(100, 100);
    canvas.SetFont(Font(u"Arial", -13));
    const std::u16string text = u"abc中文def";
    std::vector<int> positions(text.size());
    canvas.FitTextW(text, 1 << 20, positions);
    for (size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(canvas.FitTextW(text, positions[i], {}), int(i + 1));
        EXPECT_EQ(canvas.FitTextW(text, positions[i] - 1, {}), int(i));
    }
}

TEST_F(QtCanvasTest, DoubleByteTextMeasuresLikeItsUtf16)
{
    QtImageCanvas canvas(100, 100);
    canvas.SetFont(Font(u"宋体", -16, 0, 134));
    const std::string gbk = "ab\xD6\xD0\xCE\xC4" "c"; // "ab中文c" in code page 936
    std::vector<int> bytePositions(gbk.size());
    std::vector<int> unitPositions(5);
    canvas.FitText(gbk, 1 << 20, bytePositions);
    canvas.FitTextW(u"ab中文c", 1 << 20, unitPositions);
    EXPECT_EQ(bytePositions, (std::vector<int>{unitPositions[0], unitPositions[1], unitPositions[2],
                                               unitPositions[2], unitPositions[3], unitPositions[3],
                                               unitPositions[4]}));
    EXPECT_EQ(canvas.FitText(gbk, unitPositions[2], {}), 4);
    EXPECT_EQ(canvas.FitText(gbk, unitPositions[2] - 1, {}), 2);
}

TEST_F(QtCanvasTest, FallbackGlyphsMeasureAndResolve)
{
    QtImageCanvas canvas(100, 100);
    canvas.SetFont(Font(u"Arial", -16));
    const std::vector<QString> families = canvas.FontFamilies();
    ASSERT_GE(families.size(), 2u);
    EXPECT_EQ(families.front(), "Liberation Sans");
    EXPECT_GT(canvas.TextExtentW(u"中").cx, canvas.TextExtentW(u"i").cx);
    EXPECT_GT(canvas.TextExtentW(u"•").cx, 0);
    canvas.SetFont(Font(u"宋体", -16));
    EXPECT_EQ(canvas.FontFamilies().front(), "AR PL UMing CN");
    EXPECT_EQ(canvas.TextExtentW(u"中").cx, 16);
    // Faces nobody installed still draw with something.
    canvas.SetFont(Font(u"No Such Face", -16));
    EXPECT_GT(canvas.TextExtentW(u"a中").cx, 0);
    // Zero-width characters take no room.
    canvas.SetFont(Font(u"Arial", -16));
    EXPECT_EQ(canvas.TextExtentW(u"a\u200Bb\u2060").cx, canvas.TextExtentW(u"ab").cx);
}

TEST_F(QtCanvasTest, SymbolBytesShowTheirUnicodeCharacters)
{
    QtImageCanvas canvas(100, 100);
    canvas.SetFont(Font(u"Symbol", -16, 0, 2));
    EXPECT_EQ(canvas.TextExtent("\xB7").cx, canvas.TextExtentW(u"\u2022").cx);
    EXPECT_GT(canvas.TextExtent("\xB7").cx, 0);
}

TEST_F(QtCanvasTest, MetricsAreConsistent)
{
    QtImageCanvas canvas(100, 100);
    for (int height : {-11, -13, -16, -24, -40}) {
        canvas.SetFont(Font(u"Arial", height));
        const FontMetrics m = canvas.GetFontMetrics();
        EXPECT_EQ(m.height, m.ascent + m.descent);
        EXPECT_EQ(m.internalLeading, m.height + height);
        EXPECT_GT(m.aveCharWidth, 0);
        EXPECT_GE(m.maxCharWidth, m.aveCharWidth);
        OutlineMetrics o;
        ASSERT_TRUE(canvas.GetOutlineMetrics(o));
        EXPECT_LT(o.underscorePosition, 0);
        EXPECT_GT(o.strikeoutPosition, 0);
        EXPECT_GT(o.subscriptSizeY, 0);
        EXPECT_LT(o.subscriptSizeY, -height);
        EXPECT_GT(o.superscriptOffsetY, 0);
    }
    // A positive height asks for the cell.
    canvas.SetFont(Font(u"Arial", 20));
    EXPECT_NEAR(canvas.GetFontMetrics().height, 20, 1);
    // Points convert with the device resolution.
    FontSpec points = Font(u"Arial", 0);
    points.pointSize = 12;
    canvas.SetFont(points);
    EXPECT_EQ(canvas.GetFontMetrics().height - canvas.GetFontMetrics().internalLeading, 16);
}

TEST_F(QtCanvasTest, ExplicitAverageWidthScalesAdvances)
{
    QtImageCanvas canvas(100, 100);
    FontSpec font = Font(u"Arial", -20);
    canvas.SetFont(font);
    const FontMetrics natural = canvas.GetFontMetrics();
    const int naturalWidth = canvas.TextExtentW(u"mmmmmmmmmm").cx;
    font.width = natural.aveCharWidth / 2;
    canvas.SetFont(font);
    EXPECT_EQ(canvas.GetFontMetrics().aveCharWidth, natural.aveCharWidth / 2);
    EXPECT_NEAR(canvas.TextExtentW(u"mmmmmmmmmm").cx, naturalWidth / 2, 10);
}

TEST_F(QtCanvasTest, TextLandsAtItsAdvances)
{
    QtImageCanvas canvas(200, 40);
    canvas.SetFont(Font(u"Arial", -20));
    canvas.SetTextColor(Rgb(0, 0, 0));
    const int advances[] = {30, 30, 30, 30};
    canvas.TextOutW(10, 5, u"IIII", advances);
    const auto ink = InkColumns(canvas.Image());
    ASSERT_EQ(ink.size(), 4u);
    const int stem = canvas.TextExtentW(u"I").cx;
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(ink[size_t(i)].first, 10 + 30 * i);
        EXPECT_LT(ink[size_t(i)].second, 10 + 30 * i + stem);
    }
}

TEST_F(QtCanvasTest, TextLandsWhereMeasured)
{
    QtImageCanvas canvas(300, 40);
    canvas.SetFont(Font(u"Arial", -20));
    const std::u16string text = u"l中l文l";
    std::vector<int> positions(text.size());
    canvas.FitTextW(text, 1 << 20, positions);
    canvas.TextOutW(0, 5, text);
    const auto ink = InkColumns(canvas.Image());
    ASSERT_GE(ink.size(), 5u);
    // Every ink column lies inside some character's cell, and the "l" stems lie in their own.
    for (int cell : {0, 2, 4}) {
        const int left = cell == 0 ? 0 : positions[size_t(cell - 1)];
        const int right = positions[size_t(cell)];
        const bool found = std::any_of(ink.begin(), ink.end(), [&](auto range) {
            return range.first >= left && range.second < right;
        });
        EXPECT_TRUE(found) << cell;
    }
    EXPECT_LT(ink.back().second, positions.back());
}

TEST_F(QtCanvasTest, OpaqueTextFillsItsCell)
{
    QtImageCanvas canvas(100, 40);
    canvas.SetFont(Font(u"Arial", -16));
    canvas.SetTextBackground(Rgb(255, 0, 0));
    canvas.TextOutW(3, 4, u"  ");
    const int width = canvas.TextExtentW(u"  ").cx;
    const int height = canvas.GetFontMetrics().height;
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(3, 4), 0xFFFF0000);
    EXPECT_EQ(image.pixel(3 + width - 1, 4 + height - 1), 0xFFFF0000);
    EXPECT_EQ(image.pixel(3 + width, 4), kWhite);
    EXPECT_EQ(image.pixel(3, 4 + height), kWhite);
    EXPECT_EQ(image.pixel(2, 4), kWhite);
}

TEST_F(QtCanvasTest, LinesExcludeTheirEndPoint)
{
    struct Case {
        Point from, to;
        Point lastDrawn, excluded;
    };
    const std::vector<Case> cases = {
        {{2, 5}, {10, 5}, {9, 5}, {10, 5}},
        {{10, 6}, {2, 6}, {3, 6}, {2, 6}},
        {{4, 1}, {4, 9}, {4, 8}, {4, 9}},
        {{0, 0}, {5, 5}, {4, 4}, {5, 5}},
    };
    for (const Case& c : cases) {
        QtImageCanvas canvas(20, 20);
        canvas.SetPen({Rgb(0, 0, 0), 1, PenStyle::Solid});
        canvas.Line(c.from, c.to);
        EXPECT_EQ(canvas.Image().pixel(c.from.x, c.from.y), kBlack);
        EXPECT_EQ(canvas.Image().pixel(c.lastDrawn.x, c.lastDrawn.y), kBlack);
        EXPECT_EQ(canvas.Image().pixel(c.excluded.x, c.excluded.y), kWhite);
    }
    QtImageCanvas canvas(20, 20);
    canvas.MoveTo(1, 1);
    canvas.LineTo(1, 1); // empty line draws nothing
    EXPECT_EQ(canvas.Image().pixel(1, 1), kWhite);
}

TEST_F(QtCanvasTest, DottedPenDrawsThreeOnThreeOff)
{
    QtImageCanvas canvas(20, 3);
    canvas.SetPen({Rgb(0, 0, 0), 1, PenStyle::Dot});
    canvas.Line({0, 1}, {14, 1});
    std::string row;
    for (int x = 0; x < 16; ++x)
        row += canvas.Image().pixel(x, 1) == kBlack ? '#' : '.';
    EXPECT_EQ(row, "###...###...##..");
}

TEST_F(QtCanvasTest, RectanglesExcludeRightAndBottom)
{
    QtImageCanvas canvas(20, 20);
    canvas.FillRect({2, 2, 6, 6}, Rgb(0, 0, 0));
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(2, 2), kBlack);
    EXPECT_EQ(image.pixel(5, 5), kBlack);
    EXPECT_EQ(image.pixel(6, 5), kWhite);
    EXPECT_EQ(image.pixel(5, 6), kWhite);

    QtImageCanvas framed(20, 20);
    framed.SetPen({Rgb(0, 0, 0), 1, PenStyle::Solid});
    framed.SetBrush(Rgb(255, 0, 0));
    framed.Rectangle({2, 2, 8, 8});
    EXPECT_EQ(framed.Image().pixel(7, 7), kBlack);
    EXPECT_EQ(framed.Image().pixel(7, 2), kBlack);
    EXPECT_EQ(framed.Image().pixel(8, 8), kWhite);
    EXPECT_EQ(framed.Image().pixel(3, 3), 0xFFFF0000);
    EXPECT_EQ(framed.Image().pixel(6, 6), 0xFFFF0000);

    // Without an outline the fill ends one pixel short at the right and the bottom.
    QtImageCanvas bare(20, 20);
    bare.SetPen({Rgb(0, 0, 0), 1, PenStyle::Null});
    bare.SetBrush(Rgb(0, 0, 255));
    bare.Rectangle({2, 2, 8, 8});
    EXPECT_EQ(bare.Image().pixel(6, 6), 0xFF0000FF);
    EXPECT_EQ(bare.Image().pixel(7, 6), kWhite);
    EXPECT_EQ(bare.Image().pixel(6, 7), kWhite);

    QtImageCanvas frame(20, 20);
    frame.FrameRect({1, 1, 5, 4}, Rgb(0, 0, 0));
    EXPECT_EQ(frame.Image().pixel(4, 3), kBlack);
    EXPECT_EQ(frame.Image().pixel(2, 2), kWhite);
    EXPECT_EQ(frame.Image().pixel(5, 3), kWhite);
}

TEST_F(QtCanvasTest, ExclusiveOrOverlaysRestoreWhenDrawnTwice)
{
    QtImageCanvas canvas(60, 40);
    canvas.SetFont(Font(u"Arial", -16));
    canvas.TextOutW(2, 2, u"Ab中");
    canvas.FillRect({10, 10, 30, 30}, Rgb(0x12, 0x34, 0x56));
    const QImage before = canvas.Image().copy();
    canvas.InvertRect({5, 5, 25, 25});
    EXPECT_EQ(canvas.Image().pixel(15, 15), 0xFFEDCBA9u) << std::hex << canvas.Image().pixel(15, 15);
    canvas.DrawFocusRect({0, 0, 41, 33});
    EXPECT_NE(canvas.Image(), before);
    canvas.DrawFocusRect({0, 0, 41, 33});
    canvas.InvertRect({5, 5, 25, 25});
    EXPECT_EQ(canvas.Image(), before);
}

TEST_F(QtCanvasTest, ClippingNarrowsAndRestores)
{
    QtImageCanvas canvas(20, 20);
    canvas.PushClip();
    canvas.IntersectClip({5, 5, 10, 10});
    EXPECT_EQ(canvas.ClipBox(), (Rect{5, 5, 10, 10}));
    canvas.FillRect({0, 0, 20, 20}, Rgb(0, 0, 0));
    EXPECT_EQ(canvas.Image().pixel(5, 5), kBlack);
    EXPECT_EQ(canvas.Image().pixel(4, 5), kWhite);
    EXPECT_EQ(canvas.Image().pixel(10, 9), kWhite);
    canvas.PushClip();
    canvas.IntersectClip({30, 30, 40, 40});
    EXPECT_TRUE(canvas.ClipBox().IsEmpty());
    canvas.FillRect({0, 0, 20, 20}, Rgb(255, 0, 0));
    EXPECT_EQ(canvas.Image().pixel(5, 5), kBlack);
    canvas.PopClip();
    canvas.PopClip();
    canvas.FillRect({0, 0, 1, 1}, Rgb(255, 0, 0));
    EXPECT_EQ(canvas.Image().pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(canvas.ClipBox(), (Rect{0, 0, 20, 20}));
}

TEST_F(QtCanvasTest, PicturesAndBuffers)
{
    // 2 x 2: red, green / blue, transparent.
    const Picture picture(PictureFormat::Bitmap, 2, 2,
                          {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000}, "");
    QtImageCanvas canvas(20, 20);
    canvas.DrawPicture(picture, 1, 1);
    EXPECT_EQ(canvas.Image().pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(canvas.Image().pixel(2, 1), 0xFF00FF00);
    EXPECT_EQ(canvas.Image().pixel(1, 2), 0xFF0000FF);
    EXPECT_EQ(canvas.Image().pixel(2, 2), kWhite);
    canvas.StretchPicture(picture, {10, 10, 14, 12});
    EXPECT_EQ(canvas.Image().pixel(11, 10), 0xFFFF0000);
    EXPECT_EQ(canvas.Image().pixel(12, 10), 0xFF00FF00);
    EXPECT_EQ(canvas.Image().pixel(13, 11), kWhite);
    canvas.DrawPicture(picture, 5, 5, Rgb(0, 0, 255));
    EXPECT_EQ(canvas.Image().pixel(5, 5), 0xFF7F007F);

    const Picture metafile(PictureFormat::EnhancedMetafile, 6, 4, {}, "x");
    canvas.DrawPicture(metafile, 0, 14);
    EXPECT_EQ(canvas.Image().pixel(0, 14), ColorToArgb(kColorBtnShadow));
    EXPECT_EQ(canvas.Image().pixel(5, 17), ColorToArgb(kColorBtnShadow));
    EXPECT_EQ(canvas.Image().pixel(2, 15), kWhite);

    std::unique_ptr<Canvas> buffer = canvas.CreateBuffer(3, 3);
    EXPECT_EQ(buffer->SurfaceSize(), (Size{3, 3}));
    EXPECT_EQ(buffer->PixelsPerInchY(), 96);
    buffer->FillRect({0, 0, 3, 3}, Rgb(0, 0, 0));
    buffer->FillRect({1, 1, 2, 2}, kColorWindow);
    canvas.CopyBuffer(*buffer, 16, 16);
    EXPECT_EQ(canvas.Image().pixel(16, 16), kBlack);
    EXPECT_EQ(canvas.Image().pixel(17, 17), kWhite);
    EXPECT_EQ(canvas.Image().pixel(18, 18), kBlack);
    EXPECT_EQ(canvas.Image().pixel(19, 19), kWhite);
}

} // namespace
} // namespace platform
