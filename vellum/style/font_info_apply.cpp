// Selecting a text style's font on a canvas.
#include "vellum/style/font_info.h"

#include "platform/canvas.h"
#include "platform/checked_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vellum {
namespace {

platform::FontStyles CanvasStyle(const FontStyles& style, bool withUnderline)
{
    platform::FontStyles flags = 0;
    if (style.Contains(fsBold))
        flags |= platform::fsBold;
    if (style.Contains(fsItalic))
        flags |= platform::fsItalic;
    if (withUnderline && style.Contains(fsUnderline))
        flags |= platform::fsUnderline;
    if (style.Contains(fsStrikeOut))
        flags |= platform::fsStrikeOut;
    return flags;
}

bool SameFace(std::u16string_view a, std::u16string_view b)
{
    auto fold = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

// Two thirds of the font's height request, rounded to the nearest pixel.
int TwoThirdsOfHeight(const platform::Canvas& canvas)
{
    const int h = platform::FontHeightRequest(canvas.Font(), canvas.PixelsPerInchY());
    return std::abs(int(std::nearbyint(h * 2.0 / 3.0)));
}

// Scaled widths stay positive (0 would ask for the font's own width) and within what a font
// can take.
int ScaledWidth(int averageWidth, int32_t charScale)
{
    const int64_t width = int64_t(averageWidth) * charScale / 100;
    return int(std::clamp<int64_t>(width, 1, 32767));
}

} // namespace

int TCustomRVFontInfo::StylePixelsPerInch(bool useStylePixelsPerInch) const
{
    if (!useStylePixelsPerInch)
        return 0;
    const auto* table = dynamic_cast<const TFontInfos*>(Collection());
    return table ? table->PixelsPerInch : 0;
}

void TCustomRVFontInfo::Apply(platform::Canvas& canvas, TRVBiDiMode defBiDiMode, bool ignoreScript,
                              std::optional<int> scriptHeight, bool useStylePixelsPerInch) const
{
    const int stylePpi = StylePixelsPerInch(useStylePixelsPerInch);
    if (CharScale == 100)
        ApplyPlain(canvas, ignoreScript, scriptHeight, stylePpi);
    else
        ApplyScaled(canvas, ignoreScript, scriptHeight, stylePpi);
    ApplyBiDiMode(canvas, defBiDiMode);
}

void TCustomRVFontInfo::ApplyPlain(platform::Canvas& canvas, bool ignoreScript,
                                   std::optional<int> scriptHeight, int stylePpi) const
{
    platform::FontSpec font = canvas.Font();
    font.style = CanvasStyle(Style, true);
    // 2. A height at the table's resolution, or points that the canvas converts.
    font.height = stylePpi != 0 ? -platform::MulDiv(Size, stylePpi, 72) : 0;
    font.pointSize = Size;
    if (!SameFace(font.face, FontName))
        font.face = FontName;
    font.charset = Charset;
    font.width = 0;
    canvas.SetFont(font);
    if (ignoreScript || SubSuperScriptType == rvsssNormal)
        return;
    // 5. The script size is taken with the full-size font selected.
    font.height = -(scriptHeight ? *scriptHeight : ScriptHeightOn(canvas));
    canvas.SetFont(font);
}

void TCustomRVFontInfo::ApplyScaled(platform::Canvas& canvas, bool ignoreScript,
                                    std::optional<int> scriptHeight, int stylePpi) const
{
    // 1-2. A font record built by hand; scaled text carries no underline (the painter draws it).
    platform::FontSpec font;
    font.face = FontName;
    font.height = -platform::MulDiv(Size, stylePpi != 0 ? stylePpi : canvas.PixelsPerInchY(), 72);
    font.pointSize = Size;
    font.style = CanvasStyle(Style, false);
    font.charset = Charset;
    canvas.SetFont(font);
    // 3. The script size, with the full-size font selected.
    if (!ignoreScript && SubSuperScriptType != rvsssNormal) {
        font.height = -(scriptHeight ? *scriptHeight : ScriptHeightOn(canvas));
        canvas.SetFont(font);
    }
    // 4. The width from the font's average character width; canvas metrics never fail, so a
    // width the font does not report comes from "x".
    int average = canvas.GetFontMetrics().aveCharWidth;
    if (average <= 0)
        average = canvas.TextExtent("x").cx;
    // 5. The final font.
    font.width = ScaledWidth(average, CharScale);
    canvas.SetFont(font);
}

void TCustomRVFontInfo::ApplyBiDiMode(platform::Canvas& canvas, TRVBiDiMode defBiDiMode) const
{
    const TRVBiDiMode mode = BiDiMode != rvbdUnspecified ? BiDiMode : defBiDiMode;
    switch (mode) {
    case rvbdLeftToRight:
        canvas.SetCharSpacing(0);
        canvas.SetReadingOrder(platform::ReadingOrder::LeftToRight);
        return;
    case rvbdRightToLeft:
        canvas.SetCharSpacing(0);
        canvas.SetReadingOrder(platform::ReadingOrder::RightToLeft);
        return;
    case rvbdUnspecified:
        canvas.SetCharSpacing(CharSpacing);
        return;
    }
}

int TCustomRVFontInfo::ScriptHeightOn(platform::Canvas& canvas) const
{
    if (SubSuperScriptType == rvsssNormal)
        return 0;
    platform::OutlineMetrics outline;
    if (!canvas.GetOutlineMetrics(outline))
        return TwoThirdsOfHeight(canvas);
    const int size = SubSuperScriptType == rvsssSubscript ? outline.subscriptSizeY
                                                          : outline.superscriptSizeY;
    return std::max(size, canvas.GetFontMetrics().height / 3);
}

} // namespace vellum
