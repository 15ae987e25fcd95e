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

TRVPropertyInfo SizeProperty()
{
    TRVPropertyInfo p;
    p.Name = "Size";
    p.Kind = TRVPropertyKind::Integer;
    p.GetOrdinal = [](const TRVPersistent& o) -> int64_t { return static_cast<const TFont&>(o).Size(); };
    p.SetOrdinal = [](TRVPersistent& o, int64_t v) {
        static_cast<TFont&>(o).SetSize(static_cast<int32_t>(v));
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

int32_t TFont::Size() const
{
    return -platform::MulDiv(Height, 72, kFontPixelsPerInch);
}

void TFont::SetSize(int32_t points)
{
    Height = -platform::MulDiv(points, kFontPixelsPerInch, 72);
}

bool TFont::SameAs(const TFont& other) const
{
    return Height == other.Height && Style == other.Style && Color == other.Color &&
           Charset == other.Charset && SameFaceName(Name, other.Name);
}

std::span<const TRVPropertyInfo> TFont::Properties() const
{
    static const TRVPropertyInfo table[] = {
        props::Integer<&TFont::Charset>("Charset", DEFAULT_CHARSET, TRVIntegerNames::Charset),
        props::Integer<&TFont::Color>("Color", clWindowText, TRVIntegerNames::Color),
        props::IntegerNoDefault<&TFont::Height>("Height"),
        props::String<&TFont::Name>("Name"),
        props::Enumeration<&TFont::Pitch>("Pitch", kPitchNames, fpDefault),
        SizeProperty(),
        props::Set<&TFont::Style>("Style", kFontStyleNames),
    };
    return table;
}

bool TRVMarkerFont::IsDefault() const
{
    return Size() == 8 && Color == clWindowText && Charset == DEFAULT_CHARSET && Style.Empty() &&
           SameFaceName(Name, u"Arial");
}

std::span<const TRVPropertyInfo> TRVMarkerFont::Properties() const
{
    static const std::vector<TRVPropertyInfo> table = [] {
        std::vector<TRVPropertyInfo> t = JoinProperties({TFont().Properties()});
        for (TRVPropertyInfo& p : t) {
            if (p.Name == "Height")
                p.IsStored = [](const TRVPersistent& o) { return static_cast<const TFont&>(o).Size() != 8; };
            if (p.Name == "Name")
                p.IsStored = [](const TRVPersistent& o) { return static_cast<const TFont&>(o).Name != u"Arial"; };
        }
        return t;
    }();
    return table;
}

} // namespace vellum
