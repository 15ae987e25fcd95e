// Ideograph advances shared through their design advance agree with advances hinted glyph by
// glyph, for the faces documents ask for, in the sizes and styles they use.
#include "platform/qt/qt_canvas.h"

#include "qt_test_app.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

// Every 29th unified ideograph of the range the GB2312 characters fall in, with full-width
// punctuation and Latin between them.
std::u16string SampleText()
{
    std::u16string text = u"，。“”：；（）Aa1 ";
    for (char16_t c = 0x4E00; c <= 0x9FA5; c += 29)
        text += c;
    text += u"\u3400\uF900";
    return text;
}

std::vector<int> Positions(const FontSpec& font, bool shared)
{
    SetSharedIdeographAdvances(shared);
    QtImageCanvas canvas(1, 1);
    canvas.SetFont(font);
    const std::u16string text = SampleText();
    std::vector<int> positions(text.size());
    canvas.FitTextW(text, 0, positions);
    return positions;
}

TEST(QtIdeographAdvanceTest, SharedAdvancesEqualHintedOnes)
{
    testing::EnsureQtApplication();
    for (const char16_t* face : {u"宋体", u"Arial", u"黑体"}) {
        for (const FontStyles style : {FontStyles(0), FontStyles(fsBold), FontStyles(fsItalic)}) {
            for (const int points : {9, 10, 12, 16}) {
                FontSpec font;
                font.face = face;
                font.pointSize = points;
                font.style = style;
                SCOPED_TRACE(std::to_string(points) + " pt, style " + std::to_string(style));
                const std::vector<int> hinted = Positions(font, false);
                EXPECT_EQ(Positions(font, true), hinted);
            }
        }
    }
    SetSharedIdeographAdvances(true);
}

} // namespace
} // namespace platform
