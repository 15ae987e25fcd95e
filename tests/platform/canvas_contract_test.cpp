// Properties every canvas must have, whatever its fonts: the same checks run against the Qt
// canvas (real fonts) and the recording canvas (fixed metrics). Layout relies on these to
// agree between measuring and drawing, so no check here depends on a particular font's numbers.
#include "platform/qt/qt_canvas.h"
#include "platform/testing/recording_canvas.h"

#include "qt_test_app.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace platform {
namespace {

struct RecordingMaker {
    static std::unique_ptr<Canvas> Make(int w, int h)
    {
        return std::make_unique<RecordingCanvas>(w, h);
    }
};

struct QtMaker {
    static std::unique_ptr<Canvas> Make(int w, int h)
    {
        testing::EnsureQtApplication();
        return std::make_unique<QtImageCanvas>(w, h);
    }
};

FontSpec Font(std::u16string face, int height, int charset = 1)
{
    FontSpec request;
    request.face = std::move(face);
    request.height = height;
    request.charset = charset;
    return request;
}

// A run and the code units of each of its characters, in order.
struct TextCase {
    FontSpec font;
    std::u16string wide;  // used when bytes is empty
    std::string bytes;    // 8-bit text in the font's code page
    std::vector<int> units;
};

// "A中b文 c" and "中文" in the Chinese code page (GB2312 charset and DEFAULT, whose code page
// here is the Chinese one), plus UTF-16 runs with surrogate pairs and a combining mark.
const std::vector<TextCase> kTexts = {
    {Font(u"Arial", -13), u"Hello, world", "", std::vector<int>(12, 1)},
    {Font(u"宋体", -16), u"混合 mixed 文本!", "", std::vector<int>(12, 1)},
    {Font(u"Arial", -15), u"a\U0001F600b\U00020000", "", {1, 2, 1, 2}},
    {Font(u"Arial", -14), u"e\u0301x\u200By", "", {1, 1, 1, 1, 1}},
    {Font(u"宋体", -16, 134), u"", "A\xD6\xD0" "b\xCE\xC4 c", {1, 2, 1, 2, 1, 1}},
    {Font(u"宋体", -12, 134), u"", "\xD6\xD0\xCE\xC4", {2, 2}},
    {Font(u"Arial", -16, 1), u"", "x\xD6\xD0y\xCE\xC4", {1, 2, 1, 2}},
};

template <typename Maker>
class CanvasContract : public ::testing::Test {
protected:
    std::unique_ptr<Canvas> m_canvas = Maker::Make(120, 80);

    static size_t Size(const TextCase& t)
    {
        return t.bytes.empty() ? t.wide.size() : t.bytes.size();
    }

    int Fit(const TextCase& t, int maxExtent, std::span<int> positions, platform::Size* extent)
    {
        return t.bytes.empty() ? m_canvas->FitTextW(t.wide, maxExtent, positions, extent)
                               : m_canvas->FitText(t.bytes, maxExtent, positions, extent);
    }

    std::vector<int> Positions(const TextCase& t, int maxExtent = INT_MAX)
    {
        std::vector<int> positions(Size(t), -1);
        Fit(t, maxExtent, positions, nullptr);
        return positions;
    }

    int Extent(const TextCase& t)
    {
        return t.bytes.empty() ? m_canvas->TextExtentW(t.wide).cx
                               : m_canvas->TextExtent(t.bytes).cx;
    }

    std::vector<int> Carets(const TextCase& t)
    {
        std::vector<int> carets(Size(t) + 1, -1);
        const bool ok = t.bytes.empty() ? m_canvas->CaretPositionsW(t.wide, carets)
                                        : m_canvas->CaretPositions(t.bytes, carets);
        EXPECT_TRUE(ok);
        return carets;
    }

    // The largest whole-character prefix whose right edge is <= MAXEXTENT.
    static int ExpectedFit(const TextCase& t, const std::vector<int>& positions, int maxExtent)
    {
        int fit = 0;
        for (int n : t.units) {
            if (positions[fit + n - 1] > maxExtent)
                break;
            fit += n;
        }
        return fit;
    }
};

using Makers = ::testing::Types<RecordingMaker, QtMaker>;
TYPED_TEST_SUITE(CanvasContract, Makers);

TYPED_TEST(CanvasContract, PositionsAreWholeCharactersEndingAtTheExtent)
{
    for (const TextCase& t : kTexts) {
        SCOPED_TRACE(t.bytes.empty() ? "utf-16 case" : "8-bit case " + t.bytes);
        this->m_canvas->SetFont(t.font);
        const std::vector<int> positions = this->Positions(t);
        platform::Size extent;
        this->Fit(t, INT_MAX, {}, &extent);
        EXPECT_EQ(extent.cx, positions.back());
        EXPECT_EQ(this->Extent(t), positions.back());
        EXPECT_EQ(extent.cy, this->m_canvas->GetFontMetrics().height);
        EXPECT_EQ(this->Positions(t, 0), positions); // positions cover the text, fitting or not
        size_t unit = 0;
        int previous = 0;
        for (int n : t.units) {
            for (int k = 0; k < n; ++k)
                EXPECT_EQ(positions[unit + k], positions[unit]) << "unit " << unit + k;
            EXPECT_GE(positions[unit], previous) << "unit " << unit;
            previous = positions[unit];
            unit += n;
        }
        EXPECT_EQ(unit, this->Size(t)) << "bad table entry";
    }
}

TYPED_TEST(CanvasContract, FitCountIsTheLargestWholePrefixWithinTheWidth)
{
    for (const TextCase& t : kTexts) {
        this->m_canvas->SetFont(t.font);
        const std::vector<int> positions = this->Positions(t);
        std::vector<int> widths = {-1, 0, INT_MAX};
        for (int p : positions)
            widths.insert(widths.end(), {p - 1, p, p + 1});
        for (int w : widths) {
            const int expected = this->ExpectedFit(t, positions, w);
            std::vector<int> scratch(this->Size(t));
            platform::Size extent;
            EXPECT_EQ(this->Fit(t, w, {}, nullptr), expected) << "width " << w;
            EXPECT_EQ(this->Fit(t, w, scratch, nullptr), expected) << "width " << w;
            EXPECT_EQ(this->Fit(t, w, {}, &extent), expected) << "width " << w;
            EXPECT_EQ(extent.cx, positions.back()) << "width " << w;
        }
    }
}

TYPED_TEST(CanvasContract, LetterSpacingAddsSpacingPerCharacter)
{
    for (const TextCase& t : kTexts) {
        this->m_canvas->SetFont(t.font);
        this->m_canvas->SetCharSpacing(0);
        const int plain = this->Extent(t);
        for (int spacing : {1, 3, -1}) {
            this->m_canvas->SetCharSpacing(spacing);
            EXPECT_EQ(this->m_canvas->CharSpacing(), spacing);
            EXPECT_EQ(this->Extent(t), plain + spacing * int(t.units.size())) << spacing;
        }
        this->m_canvas->SetCharSpacing(0);
    }
}

TYPED_TEST(CanvasContract, CaretsSitAtTheLeftEdgeOfEachCharacter)
{
    for (const TextCase& t : kTexts) {
        for (int spacing : {0, 2}) {
            this->m_canvas->SetFont(t.font);
            this->m_canvas->SetCharSpacing(spacing);
            const std::vector<int> positions = this->Positions(t);
            const std::vector<int> carets = this->Carets(t);
            size_t unit = 0;
            for (int n : t.units) {
                const int left = unit == 0 ? 0 : positions[unit - 1];
                for (int k = 0; k < n; ++k)
                    EXPECT_EQ(carets[unit + k], left) << "unit " << unit + k;
                unit += n;
            }
            EXPECT_EQ(carets.back(), positions.back());
            std::vector<int> wrong(this->Size(t), 7);
            EXPECT_FALSE(t.bytes.empty() ? this->m_canvas->CaretPositionsW(t.wide, wrong)
                                         : this->m_canvas->CaretPositions(t.bytes, wrong));
            EXPECT_EQ(wrong, std::vector<int>(this->Size(t), 7));
        }
    }
}

TYPED_TEST(CanvasContract, FontMetricsAreSaneAndGrowWithSize)
{
    for (const std::u16string face : {u"Arial", u"Times New Roman", u"宋体", u"Courier New"}) {
        for (FontStyles style : {FontStyles(0), FontStyles(fsBold | fsItalic)}) {
            int lastHeight = 0;
            for (int points : {6, 8, 9, 10, 12, 14, 18, 24, 36, 72}) {
                FontSpec request = Font(face, 0);
                request.pointSize = points;
                request.style = style;
                this->m_canvas->SetFont(request);
                const FontMetrics m = this->m_canvas->GetFontMetrics();
                SCOPED_TRACE(::testing::Message() << points << "pt style " << style);
                EXPECT_EQ(m.height, m.ascent + m.descent);
                EXPECT_GE(m.internalLeading, 0);
                EXPECT_GE(m.externalLeading, 0);
                EXPECT_GT(m.aveCharWidth, 0);
                EXPECT_GE(m.maxCharWidth, m.aveCharWidth);
                EXPECT_GE(m.height, lastHeight);
                lastHeight = m.height;
            }
        }
    }
}

// Fills the whole surface in COLOR; on an image canvas, checks that exactly the clip box took it.
void ProbeClip(Canvas& canvas, Color color)
{
    const Rect clip = canvas.ClipBox();
    canvas.FillRect({0, 0, canvas.SurfaceSize().cx, canvas.SurfaceSize().cy}, color);
    auto* image = dynamic_cast<QtImageCanvas*>(&canvas);
    if (!image)
        return;
    const QRgb want = ColorToArgb(color);
    const QImage& pixels = image->Image();
    for (int y = 0; y < pixels.height(); y += 3) {
        for (int x = 0; x < pixels.width(); x += 3) {
            const bool inside =
                x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
            ASSERT_EQ(pixels.pixel(x, y) == want, inside) << x << "," << y;
        }
        for (int x : {clip.left - 1, clip.left, clip.right - 1, clip.right}) {
            if (x < 0 || x >= pixels.width() || y < clip.top || y >= clip.bottom)
                continue;
            const bool inside = x >= clip.left && x < clip.right;
            ASSERT_EQ(pixels.pixel(x, y) == want, inside) << x << "," << y;
        }
    }
}

TYPED_TEST(CanvasContract, ClipStackRestoresEachSavedClip)
{
    Canvas& canvas = *this->m_canvas;
    const Rect whole = {0, 0, 120, 80};
    struct Step {
        char op; // '+' push then intersect, '-' pop
        Rect rect;
        Rect want;
    };
    const std::vector<Step> steps = {
        {'-', {}, whole},                                // a pop with nothing saved does nothing
        {'+', {10, 5, 100, 70}, {10, 5, 100, 70}},
        {'+', {-20, 30, 60, 200}, {10, 30, 60, 70}},
        {'+', {61, 0, 90, 10}, {0, 0, 0, 0}},            // disjoint: nothing left
        {'-', {}, {10, 30, 60, 70}},
        {'+', {20, 40, 21, 41}, {20, 40, 21, 41}},
        {'-', {}, {10, 30, 60, 70}},
        {'-', {}, {10, 5, 100, 70}},
        {'-', {}, whole},
        {'-', {}, whole},
    };
    EXPECT_EQ(canvas.ClipBox(), whole);
    int shade = 0;
    for (const Step& s : steps) {
        if (s.op == '+') {
            canvas.PushClip();
            canvas.IntersectClip(s.rect);
        } else {
            canvas.PopClip();
        }
        EXPECT_EQ(canvas.ClipBox(), s.want);
        shade += 20;
        ProbeClip(canvas, Rgb(shade, 255 - shade, shade / 2));
    }
}

// How the recording canvas wrote a colour ("sysN", "#BBGGRR", "none"), read back.
Color ParseRecordedColor(const std::string& text)
{
    if (text == "none")
        return kColorNone;
    if (text.rfind("sys", 0) == 0)
        return SystemColor(std::stoi(text.substr(3)));
    return Color(std::stoul(text.substr(1), nullptr, 16));
}

// Both canvases resolve a colour through the same table: what the recording canvas records
// resolves to the pixel the Qt canvas paints, for fills and text backgrounds alike.
TEST(CanvasColorContract, BothCanvasesResolveColoursAlike)
{
    std::vector<Color> colors = {kColorNone, Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(18, 52, 86),
                                 SystemColor(255), Color(0x12345678)};
    for (int i = 0; i < kSystemColorCount; ++i)
        colors.push_back(SystemColor(i));
    testing::EnsureQtApplication();
    for (bool retinted : {false, true}) {
        if (retinted)
            SetSystemColorValue(kColorIndexWindow, Rgb(1, 2, 3));
        for (Color c : colors) {
            SCOPED_TRACE(::testing::Message() << std::hex << uint32_t(c));
            RecordingCanvas recording(8, 8);
            QtImageCanvas qt(8, 40);
            for (Canvas* canvas : {static_cast<Canvas*>(&recording), static_cast<Canvas*>(&qt)}) {
                canvas->FillRect({0, 0, 8, 8}, c);
                canvas->SetFont(Font(u"Arial", -12));
                canvas->SetTextBackground(c);
                canvas->TextOutW(0, 20, u"\u00A0\u00A0");
            }
            const std::string fill = recording.Log().at(0);
            const Color recordedFill = ParseRecordedColor(fill.substr(fill.rfind(' ') + 1));
            const std::string text = recording.Log().at(1);
            const size_t back = text.find(" back=") + 6;
            const Color recordedBack =
                ParseRecordedColor(text.substr(back, text.find(' ', back) - back));
            for (Color recorded : {recordedFill, recordedBack}) {
                EXPECT_EQ(IsNoneColor(recorded), IsNoneColor(c));
                EXPECT_EQ(ResolveColor(recorded), ResolveColor(c));
            }
            const QRgb painted = IsNoneColor(c) ? 0xFFFFFFFF : ColorToArgb(recordedFill);
            EXPECT_EQ(qt.Image().pixel(3, 3), painted);
            EXPECT_EQ(qt.Image().pixel(1, 22), painted);
        }
    }
    ResetSystemColors();
}

} // namespace
} // namespace platform
