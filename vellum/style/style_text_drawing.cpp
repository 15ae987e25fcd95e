// The style sheet's text drawing hooks: the colours of a run and its default drawing.
#include "vellum/style/rv_style.h"

#include <algorithm>
#include <vector>

#include "platform/canvas.h"
#include "vellum/style/line_pattern.h"
#include "vellum/style/text_advances.h"

namespace vellum {
namespace {

constexpr char16_t kMiddleDot = 0x00B7;
constexpr char16_t kDegreeSign = 0x00B0;

// What decides the underline of a run.
struct UnderlinePlan {
    bool custom = false; // the painter draws it instead of the font
    platform::Color color = clNone;
};

bool Has(TRVTextDrawStates states, TRVTextDrawState state)
{
    return states.Contains(state);
}

UnderlinePlan PlanUnderline(const TFontInfo& style, const platform::Canvas& canvas, TRVTextDrawStates states)
{
    UnderlinePlan plan;
    const platform::Color fontColor = canvas.TextColor();
    const bool fontUnderlined = (canvas.Font().style & platform::fsUnderline) != 0;
    const bool hoverUnderline = Has(states, rvtsHover) && style.HoverEffects.Contains(rvheUnderline);
    plan.color = fontColor;
    if (!Has(states, rvtsSelected)) {
        if (Has(states, rvtsHover) && style.HoverUnderlineColor != clNone)
            plan.color = style.HoverUnderlineColor;
        else if (style.UnderlineColor != clNone)
            plan.color = style.UnderlineColor;
    }
    if (style.CharScale == 100)
        plan.custom = fontUnderlined && (style.UnderlineType != rvutNormal || plan.color != fontColor);
    else
        plan.custom = fontUnderlined || style.Style.Contains(fsUnderline) || hoverUnderline;
    return plan;
}

// Thickness and centre line of the run's underline (and the thickness of its overline).
struct UnderlinePlace {
    int thickness = 1;
    int centre = 0;
};

UnderlinePlace PlaceUnderline(platform::Canvas& canvas, const TFontInfo& style, const StyleTextPart& part)
{
    platform::OutlineMetrics outline;
    if (canvas.GetOutlineMetrics(outline)) {
        const int t = outline.underscoreSize;
        return {t, part.top + canvas.GetFontMetrics().ascent - outline.underscorePosition + t / 2};
    }
    const int t = style.Size < 23 ? 1 : (style.Size - 23) / 15 + 2;
    return {t, part.top + part.height - t / 2};
}

void OutputText(platform::Canvas& canvas, int x, int y, const StyleTextPart& part,
                std::span<const int> advances = {})
{
    if (part.unicode)
        canvas.TextOutW(x, y, BytesAsUtf16(part.text), advances);
    else
        canvas.TextOut(x, y, part.text, advances);
}

// Step 3: the text, with explicit advances measured on the reference canvas when asked.
void DrawPartText(platform::Canvas& canvas, const StyleTextPart& part)
{
    const int x = part.left + part.gapBefore;
    std::vector<int> advances;
    if (part.referenceCanvas)
        advances = ReferenceAdvances(*part.referenceCanvas, canvas, part.text, part.unicode,
                                     part.width - part.gapBefore);
    OutputText(canvas, x, part.top, part, advances);
}

// Step 4: spaces and non-breaking spaces overdrawn with their marks, centred in their cells.
void DrawSpaceMarks(platform::Canvas& canvas, const StyleTextPart& part)
{
    const std::vector<SpaceCell> cells = SpaceCells(canvas, part.text, part.unicode);
    if (cells.empty())
        return;
    const platform::Color back = canvas.Brush();
    canvas.SetTextBackground(clNone);
    for (const SpaceCell& cell : cells) {
        const char16_t mark = cell.noBreak ? kDegreeSign : kMiddleDot;
        const std::u16string_view shown(&mark, 1);
        const int markWidth = canvas.TextExtentW(shown).cx;
        const int x = part.left + part.gapBefore + cell.left + RoundHalf(cell.width - markWidth);
        canvas.TextOutW(x, part.top, shown);
    }
    canvas.SetTextBackground(back);
}

} // namespace

void TRVStyle::ApplyStyleColor(platform::Canvas& canvas, int styleNo, ColorMode colorMode, bool printing,
                               TRVTextDrawStates drawState)
{
    if (OnApplyStyleColor) {
        bool doDefault = true;
        OnApplyStyleColor(*this, canvas, styleNo, drawState, doDefault);
        if (!doDefault)
            return;
    }
    const TFontInfo& style = TextStyles()[styleNo];
    // 1. A hovered link may underline itself.
    if (Has(drawState, rvtsHover) && style.HoverEffects.Contains(rvheUnderline) &&
        !(canvas.Font().style & platform::fsUnderline)) {
        platform::FontSpec font = canvas.Font();
        font.style |= platform::fsUnderline;
        canvas.SetFont(font);
    }
    platform::Color text = style.Color;
    platform::Color brush = style.BackColor;
    const bool focused = Has(drawState, rvtsControlFocused);
    if (Has(drawState, rvtsSelected)) {
        // 2. The selection pair of the focus state; a clNone text colour keeps the style's.
        brush = focused ? SelColor : InactiveSelColor;
        text = focused ? SelTextColor : InactiveSelTextColor;
        if (text == clNone)
            text = style.Color;
    } else if (Has(drawState, rvtsHover)) {
        // 3. Hover colours, the style sheet's when the style has none.
        text = style.HoverColor != clNone ? style.HoverColor : HoverColor != clNone ? HoverColor : style.Color;
        brush = style.HoverBackColor;
    } else if (printing) {
        // 4. Printing turns the colours for the colour mode.
        text = RVColorForMode(text, colorMode);
        brush = RVColorForMode(brush, colorMode);
    }
    // 5. A clNone brush is clear: the text is drawn transparently.
    canvas.SetTextColor(text);
    canvas.SetBrush(brush);
    canvas.SetTextBackground(brush);
}

void TRVStyle::DrawStyleText(platform::Canvas& canvas, int styleNo, const StyleTextPart& part)
{
    if (OnDrawStyleText) {
        ContextItemNo = part.itemNo;
        ContextOffset = part.offset;
        ContextDocument = part.document;
        bool doDefault = true;
        OnDrawStyleText(*this, TRVRawByteString(part.text), canvas, styleNo, part.gapBefore, part.left,
                        part.top, part.width, part.height, part.drawState, doDefault);
        if (!doDefault)
            return;
    }
    const TFontInfo& style = TextStyles()[styleNo];
    // 1. A custom underline takes the underline off the font for the output.
    const UnderlinePlan underline = PlanUnderline(style, canvas, part.drawState);
    const platform::FontSpec font = canvas.Font();
    const bool fontUnderline = (font.style & platform::fsUnderline) != 0;
    if (underline.custom && fontUnderline) {
        platform::FontSpec plain = font;
        plain.style &= ~platform::FontStyles(platform::fsUnderline);
        canvas.SetFont(plain);
    }
    // 2. The style's own direction wins over the run's.
    if (style.BiDiMode != rvbdUnspecified)
        canvas.SetReadingOrder(style.BiDiMode == rvbdRightToLeft ? platform::ReadingOrder::RightToLeft
                                                                 : platform::ReadingOrder::LeftToRight);
    DrawPartText(canvas, part);
    if (Has(part.drawState, rvtsSpecialCharacters))
        DrawSpaceMarks(canvas, part);
    // 5. The justification gap in the run's background.
    if (part.gapBefore != 0 && !part.printing) {
        if (part.emptyRun && Has(part.drawState, rvtsSelected))
            ApplyStyleColor(canvas, styleNo, rvcmColor, false, part.drawState - TRVTextDrawStates{rvtsSelected});
        canvas.FillRect({part.left, part.top, part.left + part.gapBefore, part.top + part.height}, canvas.Brush());
    }
    // 6-7. Underline and overline.
    const bool overline = style.StyleEx.Contains(rvfsOverline);
    if (underline.custom || (fontUnderline && part.gapBefore > 0) || overline) {
        const UnderlinePlace place = PlaceUnderline(canvas, style, part);
        if (underline.custom)
            DrawUnderline(canvas, style.UnderlineType, part.left, part.left + part.width, place.centre,
                          place.thickness, underline.color);
        else if (fontUnderline && part.gapBefore > 0)
            DrawSolidLine(canvas, part.left, part.left + part.gapBefore, place.centre, place.thickness,
                          canvas.TextColor());
        if (overline)
            DrawSolidLine(canvas, part.left, part.left + part.width, part.top - place.thickness / 2,
                          place.thickness, canvas.TextColor());
    }
    if (underline.custom && fontUnderline)
        canvas.SetFont(font);
}

} // namespace vellum
