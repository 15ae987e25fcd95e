#include "platform/canvas.h"

#include "platform/checked_math.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

char16_t FoldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

bool SameFace(std::u16string_view a, std::u16string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

struct SymbolEntry {
    uint8_t byte;
    char16_t unicode;
};

// The symbol font: Greek letters on the Latin keys, and the marks documents use for bullets,
// arrows and the line-break sign.
constexpr std::array<SymbolEntry, 29> kSymbolMarks = {{
    {0xA7, u'\u2663'}, {0xA8, u'\u2666'}, {0xA9, u'\u2665'}, {0xAA, u'\u2660'},
    {0xAB, u'\u2194'}, {0xAC, u'\u2190'}, {0xAD, u'\u2191'}, {0xAE, u'\u2192'},
    {0xAF, u'\u2193'}, {0xB0, u'\u00B0'}, {0xB1, u'\u00B1'}, {0xB4, u'\u00D7'},
    {0xB5, u'\u221D'}, {0xB7, u'\u2022'}, {0xB8, u'\u00F7'}, {0xB9, u'\u2260'},
    {0xBA, u'\u2261'}, {0xBB, u'\u2248'}, {0xBC, u'\u2026'}, {0xBF, u'\u21B5'},
    {0xD7, u'\u22C5'}, {0xD8, u'\u00AC'}, {0xDB, u'\u21D4'}, {0xDC, u'\u21D0'},
    {0xDE, u'\u21D2'}, {0xE0, u'\u25CA'}, {0xE5, u'\u2211'}, {0xA5, u'\u221E'},
    {0xD6, u'\u221A'},
}};

// Upper-case keys A..Z, then lower-case a..z, as the symbol font draws them.
constexpr char16_t kSymbolGreekUpper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr char16_t kSymbolGreekLower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

constexpr std::array<SymbolEntry, 20> kWingdingsMarks = {{
    {0x6C, u'\u25CF'}, {0x6D, u'\u274D'}, {0x6E, u'\u25A0'}, {0x6F, u'\u25A1'},
    {0x70, u'\u25FB'}, {0x71, u'\u2751'}, {0x72, u'\u2752'}, {0x73, u'\u2B27'},
    {0x74, u'\u29EB'}, {0x75, u'\u25C6'}, {0x76, u'\u2756'}, {0x77, u'\u2B25'},
    {0x9F, u'\u2022'}, {0xA1, u'\u25CB'}, {0xA7, u'\u25AA'}, {0xA8, u'\u25FB'},
    {0xD8, u'\u27A2'}, {0xE8, u'\u2794'}, {0xFB, u'\u2718'}, {0xFC, u'\u2714'},
}};

template <size_t N>
char16_t Lookup(const std::array<SymbolEntry, N>& table, uint8_t byte)
{
    for (const SymbolEntry& entry : table) {
        if (entry.byte == byte)
            return entry.unicode;
    }
    return char16_t(byte);
}

char16_t SymbolFontChar(uint8_t byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return kSymbolGreekUpper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z')
        return kSymbolGreekLower[byte - 'a'];
    return Lookup(kSymbolMarks, byte);
}

} // namespace

Rect IntersectRects(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

bool IsSymbolFace(std::u16string_view face)
{
    return SameFace(face, u"Symbol") || SameFace(face, u"Wingdings");
}

char16_t SymbolByteToUnicode(std::u16string_view face, uint8_t byte)
{
    if (SameFace(face, u"Symbol"))
        return SymbolFontChar(byte);
    if (SameFace(face, u"Wingdings"))
        return Lookup(kWingdingsMarks, byte);
    return char16_t(byte);
}

int FontHeightRequest(const FontSpec& font, int ppiY)
{
    if (font.height != 0)
        return font.height;
    return -MulDiv(font.pointSize, ppiY, 72);
}

Size Canvas::TextExtent(std::string_view bytes)
{
    Size size;
    FitText(bytes, 0, {}, &size);
    return size;
}

Size Canvas::TextExtentW(std::u16string_view text)
{
    Size size;
    FitTextW(text, 0, {}, &size);
    return size;
}

} // namespace platform
