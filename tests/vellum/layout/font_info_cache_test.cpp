// Applying text styles and the font information cache, on the recording canvas's fixed metrics
// (em s = MulDiv(points, 96, 72); ascent s, descent s / 4, narrow advance s / 2).
#include "vellum/layout/font_info_cache.h"

#include "platform/testing/recording_canvas.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/text_measure.h"
#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vellum {
namespace {

using platform::RecordingCanvas;

// A style sheet whose text styles the test sets up, and a document that formats with it.
class CacheTest : public ::testing::Test {
protected:
    CacheTest()
    {
        style.TextStyles().Clear();
        document.Settings().Style = &style;
    }

    TFontInfo& AddStyle(int size = 10)
    {
        TFontInfo& info = style.TextStyles().Add();
        info.Size = size;
        return info;
    }

    std::unique_ptr<TRVFontInfoCache> MakeCache(bool fast, bool useStylePixelsPerInch = true)
    {
        if (fast)
            return std::make_unique<TRVFontInfoCacheFast>(&document, useStylePixelsPerInch, canvas,
                                                          canvas, style);
        return std::make_unique<TRVFontInfoCacheLowResource>(&document, useStylePixelsPerInch, canvas,
                                                             canvas, style);
    }

    TRVStyle style;
    TCustomRVFormattedData document;
    RecordingCanvas canvas;
};

struct EntryCase {
    const char* name;
    std::function<void(TFontInfo&)> setUp;
    bool outlineMetrics;
    int scriptHeight;
    int verticalOffset;
    int finalHeightRequest; // the font left selected on the entry's canvas
    int hyphenWidth;
};

// Size 12 asks for -16 pixels; outline metrics give script sizes 16 * 2 / 3 = 10, a subscript
// offset of 16 / 5 = 3 and a superscript offset of 16 * 2 / 5 = 6 under an ascent of 16.
const EntryCase kEntryCases[] = {
    {"plain", [](TFontInfo&) {}, true, 0, 0, -16, 8},
    {"superscript without outline metrics",
     [](TFontInfo& s) { s.SubSuperScriptType = rvsssSuperScript; }, false, 11, 7, -11, 5},
    {"subscript without outline metrics",
     [](TFontInfo& s) { s.SubSuperScriptType = rvsssSubscript; }, false, 11, -4, -11, 5},
    {"superscript with outline metrics",
     [](TFontInfo& s) { s.SubSuperScriptType = rvsssSuperScript; }, true, 10, 16 - 6, -10, 5},
    {"subscript with outline metrics",
     [](TFontInfo& s) { s.SubSuperScriptType = rvsssSubscript; }, true, 10, -3, -10, 5},
    // The final font's height is 16 + 4 = 20; half of it raises the run.
    {"VShift 50", [](TFontInfo& s) { s.VShift = 50; }, true, 0, 10, -16, 8},
    {"VShift -25 on a subscript",
     [](TFontInfo& s) { s.VShift = -25; s.SubSuperScriptType = rvsssSubscript; }, false, 11, -4 - 3, -11, 5},
    {"CharScale 50", [](TFontInfo& s) { s.CharScale = 50; }, true, 0, 0, -16, 4},
};

TEST_F(CacheTest, EntriesOfBothVariants)
{
    for (const EntryCase& c : kEntryCases) {
        for (const bool fast : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (fast ? " (fast)" : " (low resource)"));
            style.TextStyles().Clear();
            c.setUp(AddStyle(12));
            canvas.SetHasOutlineMetrics(c.outlineMetrics);
            auto cache = MakeCache(fast);
            const TRVFontInfoCacheItem& entry = cache->GetItem(0);
            EXPECT_EQ(entry.ScriptHeight, c.scriptHeight);
            EXPECT_EQ(entry.VerticalOffset, c.verticalOffset);
            EXPECT_EQ(platform::FontHeightRequest(entry.Canvas->Font(), 96), c.finalHeightRequest);
            EXPECT_EQ(entry.TextMetric.ascent, -c.finalHeightRequest);
            EXPECT_EQ(entry.HyphenWidth, c.hyphenWidth);
            EXPECT_EQ(entry.HyphenHeight, entry.TextMetric.height);
            EXPECT_EQ(entry.FontInfo, &style.TextStyles()[0]);
            EXPECT_EQ(entry.Canvas == &canvas, !fast);
        }
    }
}

TEST_F(CacheTest, CharScaleHalvesTheAverageWidthAndDropsTheUnderline)
{
    TFontInfo& scaled = AddStyle(10); // em 13: average width 6
    scaled.CharScale = 50;
    scaled.Style.Include(fsUnderline);
    scaled.Style.Include(fsBold);
    TFontInfo& plain = AddStyle(10);
    plain.Style.Include(fsUnderline);
    auto cache = MakeCache(true);
    const TRVFontInfoCacheItem& half = cache->GetItem(0);
    EXPECT_EQ(half.Canvas->Font().width, 3);
    EXPECT_EQ(half.Canvas->Font().style, platform::FontStyles(platform::fsBold));
    EXPECT_EQ(MeasureRun(*half.Canvas, "abcd", false), 12);
    const TRVFontInfoCacheItem& full = cache->GetItem(1);
    EXPECT_EQ(full.Canvas->Font().width, 0);
    EXPECT_EQ(full.Canvas->Font().style, platform::FontStyles(platform::fsUnderline));
    EXPECT_EQ(MeasureRun(*full.Canvas, "abcd", false), 24);
}

TEST_F(CacheTest, ScaledWidthNeverFallsToTheFontsOwn)
{
    AddStyle(10).CharScale = 1; // 6 * 1 / 100 truncates to 0, which would mean "unscaled"
    auto cache = MakeCache(true);
    EXPECT_EQ(cache->GetItem(0).Canvas->Font().width, 1);
}

TEST_F(CacheTest, DirectionDecidesLetterSpacing)
{
    struct Case {
        TRVBiDiMode styleMode;
        TRVBiDiMode current;
        int spacing;
        platform::ReadingOrder order;
    };
    const Case cases[] = {
        {rvbdRightToLeft, rvbdUnspecified, 0, platform::ReadingOrder::RightToLeft},
        {rvbdLeftToRight, rvbdRightToLeft, 0, platform::ReadingOrder::LeftToRight},
        {rvbdUnspecified, rvbdUnspecified, 3, platform::ReadingOrder::LeftToRight},
        {rvbdUnspecified, rvbdRightToLeft, 0, platform::ReadingOrder::RightToLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.styleMode) * 10 + int(c.current));
        style.TextStyles().Clear();
        TFontInfo& info = AddStyle(10);
        info.BiDiMode = c.styleMode;
        info.CharSpacing = 3;
        auto cache = MakeCache(true);
        cache->CurrentBiDiMode = c.current;
        platform::Canvas& surface = *cache->GetItem(0).Canvas;
        EXPECT_EQ(surface.CharSpacing(), c.spacing);
        EXPECT_EQ(surface.GetReadingOrder(), c.order);
        EXPECT_EQ(MeasureRun(surface, "ab", false), 12 + 2 * c.spacing);
    }
}

TEST_F(CacheTest, ChangedDefaultDirectionIsReappliedWithoutANewFont)
{
    AddStyle(10).CharSpacing = 2;
    auto cache = MakeCache(true);
    TRVFontInfoCacheItem& entry = cache->GetItem(0);
    EXPECT_EQ(entry.Canvas->CharSpacing(), 2);
    const int64_t selections = canvas.Counters().fontSelections;
    cache->CurrentBiDiMode = rvbdRightToLeft;
    EXPECT_EQ(&cache->GetItem(0), &entry);
    EXPECT_EQ(entry.Canvas->CharSpacing(), 0);
    EXPECT_EQ(entry.Canvas->GetReadingOrder(), platform::ReadingOrder::RightToLeft);
    EXPECT_EQ(entry.AppliedBiDiMode, rvbdUnspecified);
    EXPECT_EQ(canvas.Counters().fontSelections, selections);
}

TEST_F(CacheTest, StylePixelsPerInchSizesFontsWhenAsked)
{
    AddStyle(10);
    style.TextStyles().PixelsPerInch = 120;
    for (const bool use : {true, false}) {
        auto cache = MakeCache(true, use);
        EXPECT_EQ(cache->GetItem(0).TextMetric.ascent, use ? 17 : 13); // MulDiv(10, 120, 72)
    }
    style.TextStyles()[0].CharScale = 200;
    EXPECT_EQ(MakeCache(true)->GetItem(0).TextMetric.ascent, 17);
}

TEST_F(CacheTest, MetricsAreReadOncePerStylePerCache)
{
    AddStyle(10);
    AddStyle(14).SubSuperScriptType = rvsssSuperScript;
    auto cache = MakeCache(true);
    cache->GetItem(0);
    cache->GetItem(1);
    const platform::CanvasCounters built = canvas.Counters();
    for (int i = 0; i < 5; ++i) {
        cache->GetItem(0);
        cache->GetItem(1);
    }
    EXPECT_EQ(canvas.Counters().metricReads, built.metricReads);
    EXPECT_EQ(canvas.Counters().fontSelections, built.fontSelections);
    EXPECT_EQ(canvas.Counters().measuringCalls, built.measuringCalls);
}

TEST_F(CacheTest, LowResourceSelectsTheFontOnEveryRequest)
{
    AddStyle(10);
    AddStyle(20);
    auto cache = MakeCache(false);
    cache->GetItem(0);
    cache->GetItem(1);
    const platform::CanvasCounters built = canvas.Counters();
    EXPECT_EQ(&cache->GetItem(0), cache->Find(0));
    EXPECT_EQ(canvas.Font().pointSize, 10);
    EXPECT_GT(canvas.Counters().fontSelections, built.fontSelections);
    EXPECT_EQ(canvas.Counters().metricReads, built.metricReads);
    cache->GetItem(1);
    EXPECT_EQ(canvas.Font().pointSize, 20);
    EXPECT_EQ(cache->LastAppliedStyleNo, -1);
}

TEST_F(CacheTest, BothVariantsGiveEqualEntries)
{
    AddStyle(10);
    AddStyle(9).SubSuperScriptType = rvsssSubscript;
    TFontInfo& scaled = AddStyle(11);
    scaled.CharScale = 150;
    scaled.VShift = -30;
    scaled.SubSuperScriptType = rvsssSuperScript;
    AddStyle(24).BiDiMode = rvbdRightToLeft;
    auto fast = MakeCache(true);
    auto low = MakeCache(false);
    for (int styleNo = 0; styleNo < 4; ++styleNo) {
        SCOPED_TRACE(styleNo);
        const TRVFontInfoCacheItem& a = fast->GetItem(styleNo);
        const TRVFontInfoCacheItem& b = low->GetItem(styleNo);
        EXPECT_EQ(a.TextMetric, b.TextMetric);
        EXPECT_EQ(a.ScriptHeight, b.ScriptHeight);
        EXPECT_EQ(a.VerticalOffset, b.VerticalOffset);
        EXPECT_EQ(a.HyphenWidth, b.HyphenWidth);
        EXPECT_EQ(a.HyphenHeight, b.HyphenHeight);
        EXPECT_EQ(a.Canvas->Font(), b.Canvas->Font());
        EXPECT_EQ(a.FontInfo, b.FontInfo);
    }
}

TEST_F(CacheTest, NumbersOutsideTheTableShareTheFallbackSlot)
{
    AddStyle(10);
    AddStyle(12);
    auto cache = MakeCache(true);
    EXPECT_EQ(cache->Count(), 3);
    TRVFontInfoCacheItem& high = cache->GetItem(2);
    EXPECT_EQ(&cache->GetItem(-1), &high);
    EXPECT_EQ(&cache->GetItem(2147483647), &high);
    EXPECT_EQ(high.FontInfo->Color, clWhite);
    EXPECT_EQ(high.FontInfo->BackColor, clRed);
    EXPECT_EQ(high.TextMetric.ascent, 13); // a copy of style 0
    // A style added after the cache was made stays outside its slots.
    AddStyle(30);
    EXPECT_EQ(&cache->GetItem(2), &high);
    EXPECT_EQ(high.FontInfo, &style.TextStyles()[-1]);
}

TEST_F(CacheTest, OnApplyStyleCanReplaceTheDefault)
{
    AddStyle(10);
    int calls = 0;
    bool keepDefault = false;
    style.OnApplyStyle = [&](TRVStyle&, platform::Canvas& c, int styleNo, bool& doDefault) {
        ++calls;
        EXPECT_TRUE(doDefault);
        EXPECT_EQ(styleNo, 0);
        doDefault = keepDefault;
        platform::FontSpec font;
        font.face = u"Handler";
        c.SetFont(font);
    };
    style.ApplyStyle(canvas, 0, true, std::nullopt, true, rvbdUnspecified);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(canvas.Font().face, u"Handler");
    keepDefault = true;
    style.ApplyStyle(canvas, 0, true, std::nullopt, true, rvbdUnspecified);
    EXPECT_EQ(canvas.Font().face, u"Arial");
}

TEST_F(CacheTest, ApplyStyleTakesAGivenScriptHeight)
{
    TFontInfo& info = AddStyle(12);
    info.SubSuperScriptType = rvsssSubscript;
    style.ApplyStyle(canvas, 0, false, 7, true, rvbdUnspecified);
    EXPECT_EQ(canvas.Font().height, -7);
    style.ApplyStyle(canvas, 0, true, 7, true, rvbdUnspecified);
    EXPECT_EQ(platform::FontHeightRequest(canvas.Font(), 96), -16);
}

TEST_F(CacheTest, ClearFreesEntriesAndTheyAreBuiltAgain)
{
    AddStyle(10);
    auto cache = MakeCache(true);
    cache->GetItem(0);
    cache->Clear();
    EXPECT_EQ(cache->Find(0), nullptr);
    EXPECT_EQ(cache->GetItem(0).TextMetric.ascent, 13);
}

// Formatted documents: the root keeps the cache, nested documents reach it, only the owner
// frees it (the sanitizer build checks that nothing leaks or is freed twice).
TEST_F(CacheTest, NestedDocumentsShareTheRootsCache)
{
    AddStyle(10);
    TCustomRVFormattedData cell;
    cell.SetOwner(&document, nullptr);
    cell.CreateFontInfoCache(canvas);
    TRVFontInfoCache* fromCell = cell.GetFontInfoCache(canvas);
    ASSERT_NE(fromCell, nullptr);
    EXPECT_EQ(fromCell, document.GetFontInfoCache(canvas));
    EXPECT_EQ(fromCell->Owner, &document);
    EXPECT_NE(dynamic_cast<TRVFontInfoCacheFast*>(fromCell), nullptr);
    cell.ReleaseFontInfoCache(fromCell);
    EXPECT_EQ(fromCell, nullptr);
    // Nothing kept now: a request makes a cache the caller releases.
    TRVFontInfoCache* loose = document.GetFontInfoCache(canvas);
    ASSERT_NE(loose, nullptr);
    EXPECT_EQ(loose->Owner, &document);
    document.ReleaseFontInfoCache(loose);
    EXPECT_EQ(loose, nullptr);
}

TEST_F(CacheTest, ACacheIsReleasedOnlyByItsOwner)
{
    AddStyle(10);
    TCustomRVFormattedData other;
    other.Settings().Style = &style;
    other.CreateFontInfoCache(canvas);
    TRVFontInfoCache* foreign = other.GetFontInfoCache(canvas);
    TRVFontInfoCache* reference = foreign;
    document.ReleaseFontInfoCache(reference);
    EXPECT_EQ(reference, nullptr);
    EXPECT_EQ(other.GetFontInfoCache(canvas), foreign); // still kept and alive
    EXPECT_EQ(foreign->GetItem(0).TextMetric.ascent, 13);
    // Creating again frees the kept one; the document's end frees the last.
    other.CreateFontInfoCache(canvas);
    document.CreateFontInfoCache(canvas);
}

TEST_F(CacheTest, FastFormattingOffGivesTheLowResourceCache)
{
    AddStyle(10);
    document.Settings().Options &= ~OptionBit<TRVOptions>(rvoFastFormatting);
    document.CreateFontInfoCache(canvas);
    TRVFontInfoCache* cache = document.GetFontInfoCache(canvas);
    EXPECT_NE(dynamic_cast<TRVFontInfoCacheLowResource*>(cache), nullptr);
    EXPECT_EQ(cache->GetItem(0).Canvas, &canvas);
    document.ReleaseFontInfoCache(cache);
}

TEST(FormattedDataTest, NoStyleSheetNoCache)
{
    TCustomRVFormattedData document;
    RecordingCanvas canvas;
    document.CreateFontInfoCache(canvas);
    EXPECT_EQ(document.GetFontInfoCache(canvas), nullptr);
}

} // namespace
} // namespace vellum
