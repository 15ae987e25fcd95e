// A font object: what a text style hands to a drawing surface and what list levels keep for
// their markers. Sizes are kept as a height in pixels at 96 pixels per inch, as fonts are stored.
#pragma once

#include <string>

#include "vellum/style/persistent.h"
#include "vellum/style/rv_set.h"
#include "vellum/style/style_types.h"

namespace vellum {

enum FontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using FontStyles = RvSet<FontStyle>;

enum FontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

constexpr int kFontPixelsPerInch = 96;

class Font : public Persistent {
public:
    std::u16string Name = u"Arial";
    // Negative: character height in pixels (the usual form); positive: cell height.
    int32_t Height = -11; // 8 points
    FontCharset Charset = DEFAULT_CHARSET;
    platform::Color Color = clWindowText;
    FontStyles Style;
    FontPitch Pitch = fpDefault;

    int32_t Size() const;
    void SetSize(int32_t points);
    void Assign(const Font& source) { *this = source; }
    // Same height, style flags, colour, character set and name (letter case ignored).
    bool SameAs(const Font& other) const;

    std::span<const PropertyInfo> Properties() const override;
};

// The font of a list level's marker: Arial, 8 points, window-text colour, default charset.
class TRVMarkerFont : public Font {
public:
    // Arial (letter case ignored), 8 points, window-text colour, charset 1, no style flags.
    bool IsDefault() const;
    std::span<const PropertyInfo> Properties() const override;
};

// Face names compare without regard to letter case, the way the platform's font mapper does.
bool SameFaceName(const std::u16string& a, const std::u16string& b);

} // namespace vellum
