#include "vellum/style/list_level.h"

#include "platform/picture.h"
#include "vellum/style/image_list.h"
#include "vellum/style/list_info.h"
#include "vellum/style/property_builders.h"

namespace vellum {

namespace {

constexpr std::string_view kListTypeNames[] = {
    "rvlstBullet",     "rvlstPicture",    "rvlstImageList",        "rvlstDecimal",      "rvlstLowerAlpha",
    "rvlstUpperAlpha", "rvlstLowerRoman", "rvlstUpperRoman", "rvlstImageListCounter", "rvlstUnicodeBullet"};
constexpr std::string_view kMarkerAlignmentNames[] = {"rvmaLeft", "rvmaRight", "rvmaCenter"};
constexpr std::string_view kLevelOptionNames[] = {"rvloContinuous", "rvloLevelReset", "rvloLegalStyleNumbering"};
constexpr const char* kHexDigits = "0123456789ABCDEF";

std::u16string HexOfBytes(const std::string& bytes)
{
    std::u16string hex;
    for (unsigned char b : bytes) {
        hex += static_cast<char16_t>(kHexDigits[b >> 4]);
        hex += static_cast<char16_t>(kHexDigits[b & 15]);
    }
    return hex;
}

std::u16string HexOfUnits(const std::u16string& text)
{
    std::u16string hex;
    for (char16_t unit : text) {
        for (int shift = 12; shift >= 0; shift -= 4)
            hex += static_cast<char16_t>(kHexDigits[(unit >> shift) & 15]);
    }
    return hex;
}

int HexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// Groups of DIGITS hex digits to numbers; false on a bad digit or a partial group.
bool ParseHexGroups(const std::u16string& hex, size_t digits, std::vector<uint32_t>& out)
{
    if (hex.size() % digits != 0)
        return false;
    for (size_t i = 0; i < hex.size(); i += digits) {
        uint32_t value = 0;
        for (size_t k = 0; k < digits; ++k) {
            int d = HexValue(hex[i + k]);
            if (d < 0)
                return false;
            value = value * 16 + static_cast<uint32_t>(d);
        }
        out.push_back(value);
    }
    return true;
}

bool SamePicture(const platform::Picture* a, const platform::Picture* b)
{
    bool aEmpty = !a || a->Width() == 0 || a->Height() == 0;
    bool bEmpty = !b || b->Width() == 0 || b->Height() == 0;
    if (aEmpty || bEmpty)
        return aEmpty && bEmpty;
    return a->Format() == b->Format() && a->Width() == b->Width() && a->Height() == b->Height() &&
           a->Bytes() == b->Bytes();
}

// Bullet bitmaps show their background through: every pixel of the bottom-left pixel's colour
// becomes transparent. The stored bytes stay as they were.
std::unique_ptr<platform::Picture> MadeTransparent(std::unique_ptr<platform::Picture> picture)
{
    const std::vector<uint32_t>& pixels = picture->Pixels();
    if (picture->Format() != platform::PictureFormat::Bitmap || pixels.empty() || picture->Width() <= 0)
        return picture;
    uint32_t key = pixels[pixels.size() - static_cast<size_t>(picture->Width())] & 0xFFFFFF;
    std::vector<uint32_t> clear(pixels);
    for (uint32_t& pixel : clear) {
        if ((pixel & 0xFFFFFF) == key)
            pixel = key;
    }
    return std::make_unique<platform::Picture>(picture->Format(), picture->Width(), picture->Height(),
                                               std::move(clear), picture->Bytes());
}

PropertyInfo ImageListProperty()
{
    // Image lists travel by tag ("ILTag"); a name reference is accepted and ignored.
    PropertyInfo p;
    p.Name = "ImageList";
    p.Kind = PropertyKind::Reference;
    p.GetString = [](const Persistent& o) -> std::u16string {
        const RvImageList* list = static_cast<const TRVListLevel&>(o).ImageList;
        return list ? list->Name : std::u16string();
    };
    p.SetString = [](Persistent&, const std::u16string&) {};
    return props::NotStored(p);
}

PropertyInfo PictureProperty()
{
    PropertyInfo p;
    p.Name = "Picture";
    p.Kind = PropertyKind::Picture;
    p.GetPicture = [](const Persistent& o) { return static_cast<const TRVListLevel&>(o).Picture(); };
    p.SetPicture = [](Persistent& o, std::unique_ptr<platform::Picture> picture) {
        static_cast<TRVListLevel&>(o).SetPicture(std::move(picture));
    };
    p.IsStored = [](const Persistent& o) { return static_cast<const TRVListLevel&>(o).Picture() != nullptr; };
    return p;
}

PropertyInfo FontProperty()
{
    PropertyInfo p;
    p.Name = "Font";
    p.Kind = PropertyKind::Object;
    p.GetObject = [](const Persistent& o) -> const Persistent* {
        return static_cast<const TRVListLevel&>(o).FontIfCreated();
    };
    p.ObjectForWrite = [](Persistent& o) -> Persistent* { return &static_cast<TRVListLevel&>(o).Font(); };
    p.IsStored = [](const Persistent& o) { return static_cast<const TRVListLevel&>(o).HasFont(); };
    return p;
}

} // namespace

bool IsTextListType(TRVListType type)
{
    return type == rvlstBullet || (type >= rvlstDecimal && type <= rvlstUpperRoman) || type == rvlstUnicodeBullet;
}

bool IsNumberedListType(TRVListType type)
{
    return (type >= rvlstDecimal && type <= rvlstUpperRoman) || type == rvlstImageListCounter;
}

bool IsTextNumberedListType(TRVListType type)
{
    return type >= rvlstDecimal && type <= rvlstUpperRoman;
}

// ---- TRVListLevel ----

TRVListLevel::TRVListLevel() = default;
TRVListLevel::~TRVListLevel() = default;

TRVListInfo* TRVListLevel::ListInfo() const
{
    return FCollection ? FCollection->Owner() : nullptr;
}

void TRVListLevel::SetPicture(const platform::Picture* picture)
{
    SetPicture(picture ? std::make_unique<platform::Picture>(*picture) : nullptr);
}

void TRVListLevel::SetPicture(std::unique_ptr<platform::Picture> picture)
{
    FPicture = picture ? MadeTransparent(std::move(picture)) : nullptr;
}

TRVMarkerFont& TRVListLevel::Font()
{
    if (!FFont)
        FFont = std::make_unique<TRVMarkerFont>();
    return *FFont;
}

void TRVListLevel::Assign(const TRVListLevel& s)
{
    if (&s == this)
        return;
    ListType = s.ListType;
    StartFrom = s.StartFrom;
    ImageList = s.ImageList;
    ImageIndex = s.ImageIndex;
    FormatString = s.FormatString;
    FormatStringW = s.FormatStringW;
    LeftIndent = s.LeftIndent;
    FirstIndent = s.FirstIndent;
    MarkerIndent = s.MarkerIndent;
    MarkerAlignment = s.MarkerAlignment;
    Options = s.Options;
    SetPicture(s.Picture());
    if (s.FFont)
        Font().Assign(*s.FFont);
    else
        FFont.reset();
}

bool TRVListLevel::FontsMatch(const TRVListLevel& o) const
{
    bool mineDefault = !FFont || FFont->IsDefault();
    bool theirsDefault = !o.FFont || o.FFont->IsDefault();
    if (mineDefault && theirsDefault)
        return true;
    return FFont && o.FFont && FFont->SameAs(*o.FFont);
}

bool TRVListLevel::PicturesMatch(const TRVListLevel& o) const
{
    return SamePicture(Picture(), o.Picture());
}

bool TRVListLevel::IsEqual(const TRVListLevel& o) const
{
    if (ListType != o.ListType || (HasNumbering() && StartFrom != o.StartFrom))
        return false;
    return ImageList == o.ImageList && ImageIndex == o.ImageIndex && FormatString == o.FormatString &&
           FormatStringW == o.FormatStringW && LeftIndent == o.LeftIndent && FirstIndent == o.FirstIndent &&
           MarkerIndent == o.MarkerIndent && MarkerAlignment == o.MarkerAlignment && Options == o.Options &&
           FontsMatch(o) && PicturesMatch(o);
}

int32_t TRVListLevel::SimilarityValue(const TRVListLevel& o) const
{
    auto bonus = [](bool same, int32_t score) { return same ? score : 0; };
    int32_t score = bonus(ListType == o.ListType, 5000);
    score += bonus(StartFrom == o.StartFrom, 100) + bonus(ImageList == o.ImageList, 100);
    score += bonus(ImageIndex == o.ImageIndex, 100) + bonus(FormatString == o.FormatString, 100);
    score += bonus(FormatStringW == o.FormatStringW, 100) + bonus(LeftIndent == o.LeftIndent, 100);
    score += bonus(FirstIndent == o.FirstIndent, 200) + bonus(MarkerIndent == o.MarkerIndent, 100);
    score += bonus(MarkerAlignment == o.MarkerAlignment, 100) + bonus(Options == o.Options, 100);
    score += bonus(FontsMatch(o), 100) + bonus(PicturesMatch(o), 100);
    return score;
}

std::span<const PropertyInfo> TRVListLevel::Properties() const
{
    using C = TRVListLevel;
    static const PropertyInfo table[] = {
        props::Enumeration<&C::ListType>("ListType", kListTypeNames, rvlstBullet),
        props::Integer<&C::StartFrom>("StartFrom", 1),
        ImageListProperty(),
        props::Integer<&C::ImageIndex>("ImageIndex", 0),
        props::Integer<&C::LeftIndent>("LeftIndent", 0),
        props::Integer<&C::FirstIndent>("FirstIndent", 10),
        props::Integer<&C::MarkerIndent>("MarkerIndent", 0),
        props::Enumeration<&C::MarkerAlignment>("MarkerAlignment", kMarkerAlignmentNames, rvmaLeft),
        PictureProperty(),
        FontProperty(),
        props::Set<&C::Options>("Options", kLevelOptionNames,
                                TRVListLevelOptions{rvloContinuous, rvloLevelReset}.Mask()),
    };
    return table;
}

void TRVListLevel::WriteDefinedProperties(DefinedPropertyWriter& writer) const
{
    if (ImageList)
        writer.WriteInteger("ILTag", ImageList->Tag);
    if (!FormatStringW.empty())
        writer.WriteString("FormatStringWCode", HexOfUnits(FormatStringW));
    if (FormatString != "\xB7")
        writer.WriteString("FormatStringCode", HexOfBytes(FormatString));
}

DefinedRead TRVListLevel::ReadImageListTag(const DefinedValue& value)
{
    const int64_t* tag = std::get_if<int64_t>(&value);
    if (!tag)
        return DefinedRead::InvalidValue;
    TRVListInfo* list = ListInfo();
    auto* lists = list ? dynamic_cast<TRVListInfos*>(list->Collection()) : nullptr;
    ImageList = lists && lists->ImageListNeeded ? lists->ImageListNeeded(static_cast<int32_t>(*tag)) : nullptr;
    return DefinedRead::Read;
}

DefinedRead TRVListLevel::ReadDefinedProperty(std::string_view name, const DefinedValue& value)
{
    if (name == "ILTag")
        return ReadImageListTag(value);
    const std::u16string* text = std::get_if<std::u16string>(&value);
    if (name == "FormatStringCodeW")
        return DefinedRead::Read; // an older form, read and dropped
    if (name != "FormatStringCode" && name != "FormatStringWCode")
        return DefinedRead::NotDefined;
    if (!text)
        return DefinedRead::InvalidValue;
    std::vector<uint32_t> units;
    bool wide = name == "FormatStringWCode";
    if (!ParseHexGroups(*text, wide ? 4 : 2, units))
        return DefinedRead::InvalidValue;
    if (wide)
        FormatStringW.assign(units.begin(), units.end());
    else
        FormatString.assign(units.begin(), units.end());
    return DefinedRead::Read;
}

// ---- TRVListLevelCollection ----

TRVListLevel& TRVListLevelCollection::Add()
{
    FItems.push_back(std::make_unique<TRVListLevel>());
    FItems.back()->FCollection = this;
    return *FItems.back();
}

void TRVListLevelCollection::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

void TRVListLevelCollection::Assign(const TRVListLevelCollection& source)
{
    if (&source == this)
        return;
    Clear();
    for (const auto& level : source.FItems)
        Add().Assign(*level);
}

} // namespace vellum
