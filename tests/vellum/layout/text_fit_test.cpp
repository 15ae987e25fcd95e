// Fitting against a literal interpolation search that measures every prefix it tries, on
// runs with zero-width characters, combining marks and soft hyphens. (Characters outside the
// basic plane are fitted whole from the canvas's positions; the layout goldens cover them.)
#include "vellum/layout/text_fit.h"

#include "platform/testing/recording_canvas.h"
#include "tests/vellum/layout/layout_test_util.h"
#include "vellum/layout/text_measure.h"

#include <gtest/gtest.h>

#include <random>

namespace vellum {
namespace {

using testing::Utf16Bytes;

constexpr char16_t kSoftHyphen = 0x00AD;

struct LiteralFit {
    platform::Canvas& canvas;
    const std::string& display; // UTF-16LE bytes
    const std::u16string& stored;
    int hyphenWidth;

    int Width(int from, int n) const
    {
        std::string_view part = std::string_view(display).substr(size_t(from) * 2);
        int width = MeasureRunSize(canvas, part, n, true).cx;
        if (n > 0 && stored[size_t(from + n - 1)] == kSoftHyphen)
            width += hyphenWidth;
        return width;
    }

    int Fit(int from, int remaining, int available) const
    {
        const int full = MeasureRunSize(canvas, std::string_view(display).substr(size_t(from) * 2), remaining, true).cx;
        if (full <= available && full >= 0)
            return remaining;
        int lo = 0, loW = 0, hi = remaining, hiW = full;
        while (lo + 1 < hi) {
            int n = lo + int(int64_t(available - loW) * (hi - lo) / (hiW == loW ? 1 : hiW - loW));
            n = std::clamp(n, lo + 1, hi - 1);
            const int w = Width(from, n);
            if (w == available) {
                lo = hi = n;
            } else if (w < available && w > 0) {
                lo = n;
                loW = w;
            } else {
                hi = n;
                hiW = w;
            }
        }
        if (lo > 0 && lo < remaining && stored[size_t(from + lo)] == kSoftHyphen)
            --lo;
        return lo;
    }
};

std::u16string RandomRun(std::mt19937& rng, int length)
{
    static const std::u16string kPieces[] = {u"a", u"W", u"\u4E00", u"\u200B", u"\u00AD", u" ", u"\u0301"};
    std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
    std::u16string out;
    while (int(out.size()) < length)
        out += kPieces[pick(rng)];
    return out;
}

TEST(TextFit, MatchesLiteralInterpolationSearch)
{
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    TFontInfo style;
    style.Unicode = true;
    platform::FontSpec font;
    font.pointSize = 10;
    canvas.SetFont(font);
    const int hyphenWidth = canvas.TextExtentW(u"-").cx;
    std::mt19937 rng(1234);
    for (int round = 0; round < 400; ++round) {
        const std::u16string stored = RandomRun(rng, 1 + int(rng() % 60));
        const std::string display = MakeDisplayText(Utf16Bytes(stored), style, false, false, false);
        RunWidths widths;
        widths.Measure(canvas, display, true, platform::kCodePageGbk);
        ASSERT_EQ(widths.Count(), int(stored.size()));
        LiteralFit literal{canvas, display, stored, hyphenWidth};
        const int from = int(rng() % stored.size());
        const int remaining = int(stored.size()) - from;
        const int available = int(rng() % 300);
        FitQuery query;
        query.from = from;
        query.remaining = remaining;
        query.available = available;
        query.stored = stored;
        query.hyphenWidth = hyphenWidth;
        EXPECT_EQ(FitCharacters(widths, query), literal.Fit(from, remaining, available))
            << "round " << round << " from " << from << " available " << available;
    }
}

TEST(TextFit, WholeRunWhenNotChecked)
{
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    RunWidths widths;
    widths.Measure(canvas, Utf16Bytes(u"abcdefgh"), true, platform::kCodePageGbk);
    FitQuery query;
    query.remaining = 8;
    query.available = 1;
    query.checkWidth = false;
    EXPECT_EQ(FitCharacters(widths, query), 8);
    query.checkWidth = true;
    EXPECT_EQ(FitCharacters(widths, query), 0);
}

// Double-byte text: a fit never ends between a lead and a trail byte.
TEST(TextFit, GbkFitsEndAtCharacterStarts)
{
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    platform::FontSpec font;
    font.charset = 134;
    canvas.SetFont(font);
    const std::string gbk = platform::FromUtf16(u"a购物清单b要买的东西", platform::kCodePageGbk);
    RunWidths widths;
    widths.Measure(canvas, gbk, false, platform::kCodePageGbk);
    for (int from : {0, 1, 3}) {
        for (int available = 0; available < 140; ++available) {
            FitQuery query;
            query.from = from;
            query.remaining = int(gbk.size()) - from;
            query.available = available;
            const int fit = FitCharacters(widths, query);
            EXPECT_EQ(widths.StartAtOrBefore(from, from + fit), from + fit) << from << " " << available;
            EXPECT_LE(widths.Width(from, fit), available);
        }
    }
}

} // namespace
} // namespace vellum
