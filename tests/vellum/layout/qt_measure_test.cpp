// The cache and the measuring operations on the real canvas (offscreen).
#include "vellum/layout/font_info_cache.h"

#include "../../platform/qt_test_app.h"
#include "platform/codepage.h"
#include "platform/qt/qt_canvas.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/layout/text_measure.h"
#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include <vector>

namespace vellum {
namespace {

class QtMeasureTest : public ::testing::Test {
protected:
    QtMeasureTest()
    {
        platform::testing::EnsureQtApplication();
        style.TextStyles().Clear();
    }

    TRVStyle style;
    platform::QtImageCanvas canvas{1, 1};
};

TEST_F(QtMeasureTest, EntryMatchesTheCanvasMetrics)
{
    TFontInfo& arial = style.TextStyles().Add();
    arial.FontName = u"Arial";
    arial.Size = 10;
    TFontInfo& super = style.TextStyles().Add();
    super.SubSuperScriptType = rvsssSuperScript;
    for (const bool fast : {true, false}) {
        std::unique_ptr<TRVFontInfoCache> cache;
        if (fast)
            cache = std::make_unique<TRVFontInfoCacheFast>(nullptr, true, canvas, canvas, style);
        else
            cache = std::make_unique<TRVFontInfoCacheLowResource>(nullptr, true, canvas, canvas, style);
        const TRVFontInfoCacheItem& entry = cache->GetItem(0);
        platform::QtImageCanvas plain(1, 1);
        plain.SetFont({u"Arial", 10, 0, 0, 1, 0});
        EXPECT_EQ(entry.TextMetric, plain.GetFontMetrics());
        EXPECT_EQ(entry.HyphenWidth, plain.TextExtent("-").cx);
        EXPECT_EQ(entry.HyphenHeight, plain.GetFontMetrics().height);
        EXPECT_EQ(entry.VerticalOffset, 0);
        // Arial's outline metrics place superscripts about 0.45 em up.
        const TRVFontInfoCacheItem& raised = cache->GetItem(1);
        EXPECT_GT(raised.VerticalOffset, 3);
        EXPECT_LT(raised.VerticalOffset, 9);
        EXPECT_LT(raised.TextMetric.height, entry.TextMetric.height);
    }
}

TEST_F(QtMeasureTest, RunSizeEqualsTheLastFitPosition)
{
    const std::u16string texts[] = {u"Hello, world", u"中文字符，测试。", u"混合 mixed 文本\u200B!",
                                    u"a\u2060b\u200Bc"};
    for (const platform::FontSpec& font :
         {platform::FontSpec{u"Arial", 10, 0, 0, 1, 0}, platform::FontSpec{u"宋体", 12, 0, 0, 134, 0},
          platform::FontSpec{u"Arial", 10, 0, 0, 1, 3}}) {
        canvas.SetFont(font);
        for (const int spacing : {0, 2}) {
            canvas.SetCharSpacing(spacing);
            for (const std::u16string& text : texts) {
                SCOPED_TRACE(platform::ToUtf8(text));
                const TRVRawByteString bytes = Utf16ToBytes(text);
                std::vector<int> positions(text.size());
                FitRun(canvas, bytes, int(text.size()), 10000, true, positions);
                EXPECT_EQ(MeasureRunSize(canvas, bytes, int(text.size()), true).cx, positions.back());
                const std::string gbk = platform::FromUtf16(text, platform::kCodePageGbk);
                std::vector<int> bytePositions(gbk.size());
                FitRun(canvas, gbk, int(gbk.size()), 10000, false, bytePositions);
                EXPECT_EQ(MeasureRun(canvas, gbk, false), bytePositions.back());
            }
        }
    }
}

TEST_F(QtMeasureTest, AllCapsMeasuresUpperCase)
{
    TFontInfo& caps = style.TextStyles().Add();
    caps.StyleEx.Include(rvfsAllCaps);
    canvas.SetFont({u"Arial", 10, 0, 0, 1, 0});
    const TRVRawByteString shown = MakeDisplayText("wide text", caps, false, false, false);
    EXPECT_EQ(MeasureRun(canvas, shown, false), MeasureRun(canvas, "WIDE TEXT", false));
    EXPECT_GT(MeasureRun(canvas, shown, false), MeasureRun(canvas, "wide text", false));
}

} // namespace
} // namespace vellum
