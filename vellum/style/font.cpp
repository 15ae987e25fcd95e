#include "vellum/style/font.h"

#include "platform/checked_math.h"
#include "vellum/style/property_builders.h"

namespace vellum {

namespace {

constexpr std::string_view kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::string_view kPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};

char16_t FoldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F))
        return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 80);
    return c;
}

PropertyInfo SizeProperty()
{
    PropertyInfo p;
    p.Name = "Size";
    p.Kind = PropertyKind::Integer;
    p.GetOrdinal = [](const Persistent& o) -> int64_t { return static_cast<const Font&>(o).Size(); };
    p.SetOrdinal = [](Persistent& o, int64_t v) {
        static_cast<Font&>(o).SetSize(static_cast<int32_t>(v));
    };
    return props::NotStored(p);
}

} // namespace

bool SameFaceName(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

int32_t Font::Size() const
{
    return -platform::MulDiv(Height, 72, kFontPixelsPerInch);
}

void Font::SetSize(int32_t points)
{
    Height = -platform::MulDiv(points, kFontPixelsPerInch, 72);
}

bool Font::SameAs(const Font& other) const
{
    return Height == other.Height && Style == other.Style && Color == other.Color &&
           Charset == other.Charset && SameFaceName(Name, other.Name);
}

std::span<const PropertyInfo> Font::Properties() const
{
    static const PropertyInfo table[] = {
        props::Integer<&Font::Charset>("Charset", DEFAULT_CHARSET, IntegerNameTable::Charset),
        props::Integer<&Font::Color>("Color", clWindowText, IntegerNameTable::Color),
        props::IntegerNoDefault<&Font::Height>("Height"),
        props::String<&Font::Name>("Name"),
        props::Enumeration<&Font::Pitch>("Pitch", kPitchNames, fpDefault),
        SizeProperty(),
        props::Set<&Font::Style>("Style", kFontStyleNames),
    };
    return table;
}

bool TRVMarkerFont::IsDefault() const
{
    return Size() == 8 && Color == clWindowText && Charset == DEFAULT_CHARSET && Style.Empty() &&
           SameFaceName(Name, u"Arial");
}

std::span<const PropertyInfo> TRVMarkerFont::Properties() const
{
    static const std::vector<PropertyInfo> table = [] {
        std::vector<PropertyInfo> t = JoinProperties({Font().Properties()});
        for (PropertyInfo& p : t) {
            if (p.Name == "Height")
                p.IsStored = [](const Persistent& o) { return static_cast<const Font&>(o).Size() != 8; };
            if (p.Name == "Name")
                p.IsStored = [](const Persistent& o) { return static_cast<const Font&>(o).Name != u"Arial"; };
        }
        return t;
    }();
    return table;
}

} // namespace vellum
