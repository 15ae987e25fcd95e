#include "vellum/style/font_info.h"

#include "vellum/style/property_builders.h"
#include "vellum/style/similarity.h"

namespace vellum {

namespace {

constexpr std::string_view kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::string_view kHoverEffectNames[] = {"rvheUnderline"};
constexpr std::string_view kStyleExNames[] = {"rvfsOverline", "rvfsAllCaps"};
constexpr std::string_view kBiDiNames[] = {"rvbdUnspecified", "rvbdLeftToRight", "rvbdRightToLeft"};
constexpr std::string_view kSubSuperNames[] = {"rvsssNormal", "rvsssSubscript", "rvsssSuperScript"};
constexpr std::string_view kProtectNames[] = {
    "rvprStyleProtect", "rvprStyleSplitProtect", "rvprModifyProtect", "rvprDeleteProtect",
    "rvprConcateProtect", "rvprRVFInsertProtect", "rvprDoNotAutoSwitch", "rvprParaStartProtect",
    "rvprSticking", "rvprSticking2", "rvprSticking3", "rvprStickToTop", "rvprStickToBottom"};
constexpr std::string_view kTextOptionNames[] = {"rvteoHTMLCode", "rvteoRTFCode"};
constexpr std::string_view kUnderlineNames[] = {
    "rvutNormal", "rvutThick", "rvutDouble", "rvutDotted", "rvutThickDotted", "rvutDashed",
    "rvutThickDashed", "rvutLongDashed", "rvutThickLongDashed", "rvutDashDotted",
    "rvutThickDashDotted", "rvutDashDotDotted", "rvutThickDashDotDotted"};
constexpr std::string_view kFontInfoPropertyNames[] = {
    "rvfiFontName", "rvfiSize", "rvfiCharset", "rvfiUnicode", "rvfiBold", "rvfiItalic",
    "rvfiUnderline", "rvfiStrikeout", "rvfiOverline", "rvfiAllCaps", "rvfiSubSuperScriptType",
    "rvfiVShift", "rvfiColor", "rvfiBackColor", "rvfiJump", "rvfiHoverBackColor", "rvfiHoverColor",
    "rvfiHoverUnderline", "rvfiJumpCursor", "rvfiNextStyleNo", "rvfiProtection", "rvfiCharScale",
    "rvfiBaseStyleNo", "rvfiBiDiMode", "rvfiCharSpacing", "rvfiHTMLCode", "rvfiRTFCode",
    "rvfiUnderlineType", "rvfiUnderlineColor", "rvfiHoverUnderlineColor", "rvfiCustom"};

bool IsHoverProperty(TRVFontInfoProperty p)
{
    return p >= rvfiHoverBackColor && p <= rvfiJumpCursor;
}

int64_t Bonus(bool same, int64_t score)
{
    return same ? score : 0;
}

} // namespace

std::span<const std::string_view> FontInfoPropertyNames()
{
    return kFontInfoPropertyNames;
}

// ---- TCustomRVFontInfo ----

void TCustomRVFontInfo::Assign(const TCustomRVInfo& source)
{
    const auto* src = dynamic_cast<const TCustomRVFontInfo*>(&source);
    if (!src) {
        TCustomRVInfo::Assign(source);
        return;
    }
    TCustomRVInfo::Assign(source);
    Charset = src->Charset;
    FontName = src->FontName;
    Size = src->Size;
    Style = src->Style;
    VShift = src->VShift;
    Color = src->Color;
    BackColor = src->BackColor;
    HoverBackColor = src->HoverBackColor;
    HoverColor = src->HoverColor;
    HoverEffects = src->HoverEffects;
    StyleEx = src->StyleEx;
    Jump = src->Jump;
    JumpCursor = src->JumpCursor;
    CharScale = src->CharScale;
    CharSpacing = src->CharSpacing;
    BiDiMode = src->BiDiMode;
    SubSuperScriptType = src->SubSuperScriptType;
    Protection = src->Protection;
    Options = src->Options;
    UnderlineType = src->UnderlineType;
    UnderlineColor = src->UnderlineColor;
    HoverUnderlineColor = src->HoverUnderlineColor;
}

void TCustomRVFontInfo::AssignFromFont(const Font& font)
{
    FontName = font.Name;
    Size = font.Size();
    Color = font.Color;
    Style = font.Style;
    Charset = font.Charset;
}

void TCustomRVFontInfo::AssignToFont(Font& font) const
{
    font.Name = FontName;
    font.SetSize(Size);
    font.Color = Color;
    font.Style = Style;
    font.Charset = Charset;
}

void TCustomRVFontInfo::AssignFlag(const TCustomRVFontInfo& src, TRVFontInfoProperty prop)
{
    switch (prop) {
    case rvfiBold: Style.Set(fsBold, src.Style.Contains(fsBold)); break;
    case rvfiItalic: Style.Set(fsItalic, src.Style.Contains(fsItalic)); break;
    case rvfiUnderline: Style.Set(fsUnderline, src.Style.Contains(fsUnderline)); break;
    case rvfiStrikeout: Style.Set(fsStrikeOut, src.Style.Contains(fsStrikeOut)); break;
    case rvfiOverline: StyleEx.Set(rvfsOverline, src.StyleEx.Contains(rvfsOverline)); break;
    case rvfiAllCaps: StyleEx.Set(rvfsAllCaps, src.StyleEx.Contains(rvfsAllCaps)); break;
    case rvfiHoverUnderline: HoverEffects.Set(rvheUnderline, src.HoverEffects.Contains(rvheUnderline)); break;
    case rvfiHTMLCode: Options.Set(rvteoHTMLCode, src.Options.Contains(rvteoHTMLCode)); break;
    case rvfiRTFCode: Options.Set(rvteoRTFCode, src.Options.Contains(rvteoRTFCode)); break;
    default: break;
    }
}

void TCustomRVFontInfo::AssignProperties(const TCustomRVFontInfo& src, TRVFontInfoProperties props)
{
    for (int bit = rvfiFontName; bit <= rvfiCustom; ++bit) {
        auto prop = static_cast<TRVFontInfoProperty>(bit);
        if (!props.Contains(prop))
            continue;
        switch (prop) {
        case rvfiFontName: FontName = src.FontName; break;
        case rvfiSize: Size = src.Size; break;
        case rvfiCharset: Charset = src.Charset; break;
        case rvfiSubSuperScriptType: SubSuperScriptType = src.SubSuperScriptType; break;
        case rvfiVShift: VShift = src.VShift; break;
        case rvfiColor: Color = src.Color; break;
        case rvfiBackColor: BackColor = src.BackColor; break;
        case rvfiJump: Jump = src.Jump; break;
        case rvfiHoverBackColor: HoverBackColor = src.HoverBackColor; break;
        case rvfiHoverColor: HoverColor = src.HoverColor; break;
        case rvfiJumpCursor: JumpCursor = src.JumpCursor; break;
        case rvfiProtection: Protection = src.Protection; break;
        case rvfiCharScale: CharScale = src.CharScale; break;
        case rvfiBiDiMode: BiDiMode = src.BiDiMode; break;
        case rvfiCharSpacing: CharSpacing = src.CharSpacing; break;
        case rvfiUnderlineType: UnderlineType = src.UnderlineType; break;
        case rvfiUnderlineColor: UnderlineColor = src.UnderlineColor; break;
        case rvfiHoverUnderlineColor: HoverUnderlineColor = src.HoverUnderlineColor; break;
        // Unicode, NextStyleNo, BaseStyleNo and the custom bit copy nothing.
        case rvfiUnicode:
        case rvfiNextStyleNo:
        case rvfiBaseStyleNo:
        case rvfiCustom: break;
        default: AssignFlag(src, prop); break;
        }
    }
}

bool TCustomRVFontInfo::EqualFlag(const TCustomRVFontInfo& o, TRVFontInfoProperty prop) const
{
    switch (prop) {
    case rvfiFontName: return SameFaceName(FontName, o.FontName);
    case rvfiSize: return Size == o.Size;
    case rvfiCharset: return Charset == o.Charset;
    case rvfiBold: return Style.Contains(fsBold) == o.Style.Contains(fsBold);
    case rvfiItalic: return Style.Contains(fsItalic) == o.Style.Contains(fsItalic);
    case rvfiUnderline: return Style.Contains(fsUnderline) == o.Style.Contains(fsUnderline);
    case rvfiStrikeout: return Style.Contains(fsStrikeOut) == o.Style.Contains(fsStrikeOut);
    case rvfiOverline: return StyleEx.Contains(rvfsOverline) == o.StyleEx.Contains(rvfsOverline);
    case rvfiAllCaps: return StyleEx.Contains(rvfsAllCaps) == o.StyleEx.Contains(rvfsAllCaps);
    case rvfiSubSuperScriptType: return SubSuperScriptType == o.SubSuperScriptType;
    case rvfiVShift: return VShift == o.VShift;
    case rvfiColor: return Color == o.Color;
    case rvfiBackColor: return BackColor == o.BackColor;
    case rvfiJump: return Jump == o.Jump;
    case rvfiHoverBackColor: return HoverBackColor == o.HoverBackColor;
    case rvfiHoverColor: return HoverColor == o.HoverColor;
    case rvfiHoverUnderline: return HoverEffects.Contains(rvheUnderline) == o.HoverEffects.Contains(rvheUnderline);
    case rvfiJumpCursor: return JumpCursor == o.JumpCursor;
    case rvfiProtection: return Protection == o.Protection;
    case rvfiCharScale: return CharScale == o.CharScale;
    case rvfiBaseStyleNo: return BaseStyleNo == o.BaseStyleNo;
    case rvfiBiDiMode: return BiDiMode == o.BiDiMode;
    case rvfiCharSpacing: return CharSpacing == o.CharSpacing;
    case rvfiHTMLCode: return Options.Contains(rvteoHTMLCode) == o.Options.Contains(rvteoHTMLCode);
    case rvfiRTFCode: return Options.Contains(rvteoRTFCode) == o.Options.Contains(rvteoRTFCode);
    case rvfiUnderlineType: return UnderlineType == o.UnderlineType;
    case rvfiUnderlineColor: return UnderlineColor == o.UnderlineColor;
    case rvfiHoverUnderlineColor: return HoverUnderlineColor == o.HoverUnderlineColor;
    // Compared by TFontInfo when both sides are text styles of a style sheet.
    case rvfiUnicode:
    case rvfiNextStyleNo:
    case rvfiCustom: return true;
    }
    return true;
}

bool TCustomRVFontInfo::EqualVisual(const TCustomRVFontInfo& o) const
{
    return Size == o.Size && Charset == o.Charset && Style == o.Style && StyleEx == o.StyleEx &&
           VShift == o.VShift && Color == o.Color && BackColor == o.BackColor &&
           SameFaceName(FontName, o.FontName);
}

bool TCustomRVFontInfo::EqualLinkProperties(const TCustomRVFontInfo& o) const
{
    if (Jump != o.Jump)
        return false;
    if (!Jump)
        return true;
    return HoverColor == o.HoverColor && HoverEffects == o.HoverEffects &&
           HoverBackColor == o.HoverBackColor && HoverUnderlineColor == o.HoverUnderlineColor &&
           JumpCursor == o.JumpCursor;
}

bool TCustomRVFontInfo::EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const
{
    const auto* o = dynamic_cast<const TCustomRVFontInfo*>(&other);
    if (!o)
        return false;
    return EqualVisual(*o) && EqualLinkProperties(*o) && Protection == o->Protection &&
           Options == o->Options && CharScale == o->CharScale && CharSpacing == o->CharSpacing &&
           BiDiMode == o->BiDiMode && SubSuperScriptType == o->SubSuperScriptType &&
           UnderlineType == o->UnderlineType && UnderlineColor == o->UnderlineColor;
}

bool TCustomRVFontInfo::EqualExcept(const TCustomRVFontInfo& other, TRVFontInfoProperties ignored) const
{
    for (int bit = rvfiFontName; bit < rvfiCustom; ++bit) {
        auto prop = static_cast<TRVFontInfoProperty>(bit);
        if (ignored.Contains(prop))
            continue;
        // Hover properties matter only for links; the hover underline colour always does.
        if (IsHoverProperty(prop) && !Jump)
            continue;
        if (!EqualFlag(other, prop))
            return false;
    }
    return true;
}

int64_t TCustomRVFontInfo::FlagSimilarity(const TCustomRVFontInfo& o) const
{
    int64_t score = 0;
    for (FontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        score += Bonus(Style.Contains(s) == o.Style.Contains(s), 50000);
    for (FontStyleEx s : {rvfsOverline, rvfsAllCaps})
        score += Bonus(StyleEx.Contains(s) == o.StyleEx.Contains(s), 50000);
    bool plain = Style.Empty() && StyleEx.Empty();
    bool otherPlain = o.Style.Empty() && o.StyleEx.Empty();
    score += Bonus(plain == otherPlain, 50000);
    return score;
}

int64_t TCustomRVFontInfo::LinkSimilarity(const TCustomRVFontInfo& o) const
{
    if (!Jump || !o.Jump)
        return 0;
    int64_t score = Bonus(HoverEffects.Contains(rvheUnderline) == o.HoverEffects.Contains(rvheUnderline), 10000);
    score += Bonus(JumpCursor == o.JumpCursor, 5000);
    score += ColorSimilarity(HoverColor, o.HoverColor, 3333, 3000) / 2;
    score += ColorSimilarity(HoverBackColor, o.HoverBackColor, 10000, 50000) / 2;
    return score;
}

int32_t TCustomRVFontInfo::Similarity(const TCustomRVInfo& other) const
{
    const auto* o = dynamic_cast<const TCustomRVFontInfo*>(&other);
    if (!o)
        return 0;
    // The candidate's values are the references.
    int64_t score = int64_t{ValueSimilarity(o->Size, Size, 10000)} + ValueSimilarity(o->VShift, VShift, 1000) +
                    ValueSimilarity(o->CharScale, CharScale, 300) + ValueSimilarity(o->CharSpacing, CharSpacing, 1000);
    score += ColorSimilarity(Color, o->Color, 3333, 3000);
    score += ColorSimilarity(BackColor, o->BackColor, 10000, 50000);
    score += Bonus(BiDiMode == o->BiDiMode, 1000) + Bonus(SubSuperScriptType == o->SubSuperScriptType, 50000);
    score += Bonus(SameFaceName(FontName, o->FontName), 10000);
    score += FlagSimilarity(*o) + LinkSimilarity(*o);
    score -= Protection == o->Protection ? 0 : 100000;
    score += Bonus(Options.Contains(rvteoHTMLCode) == o->Options.Contains(rvteoHTMLCode), 50000);
    score += Bonus(Options.Contains(rvteoRTFCode) == o->Options.Contains(rvteoRTFCode), 50000);
    if (Charset == o->Charset)
        score += 50000;
    else if (Charset == DEFAULT_CHARSET || o->Charset == DEFAULT_CHARSET)
        score += 12500;
    return ClampScore(score);
}

std::span<const PropertyInfo> TCustomRVFontInfo::FontProperties()
{
    using C = TCustomRVFontInfo;
    using N = IntegerNameTable;
    static const PropertyInfo table[] = {
        props::Integer<&C::Charset>("Charset", DEFAULT_CHARSET, N::Charset),
        props::String<&C::FontName>("FontName"),
        props::Integer<&C::Size>("Size", 10),
        props::Set<&C::Style>("Style", kFontStyleNames),
        props::Integer<&C::VShift>("VShift", 0),
        props::Integer<&C::Color>("Color", clWindowText, N::Color),
        props::Integer<&C::BackColor>("BackColor", clNone, N::Color),
        props::Integer<&C::HoverBackColor>("HoverBackColor", clNone, N::Color),
        props::Integer<&C::HoverColor>("HoverColor", clNone, N::Color),
        props::Set<&C::HoverEffects>("HoverEffects", kHoverEffectNames),
        props::Set<&C::StyleEx>("StyleEx", kStyleExNames),
        props::Boolean<&C::Jump>("Jump", false),
        props::Integer<&C::JumpCursor>("JumpCursor", crJump, N::Cursor),
        props::Integer<&C::CharScale>("CharScale", 100),
        props::Integer<&C::CharSpacing>("CharSpacing", 0),
        props::Enumeration<&C::BiDiMode>("BiDiMode", kBiDiNames, rvbdUnspecified),
        props::Enumeration<&C::SubSuperScriptType>("SubSuperScriptType", kSubSuperNames, rvsssNormal),
        props::Set<&C::Protection>("Protection", kProtectNames),
        props::Set<&C::Options>("Options", kTextOptionNames),
        props::Enumeration<&C::UnderlineType>("UnderlineType", kUnderlineNames, rvutNormal),
        props::Integer<&C::UnderlineColor>("UnderlineColor", clNone, N::Color),
        props::Integer<&C::HoverUnderlineColor>("HoverUnderlineColor", clNone, N::Color),
    };
    return table;
}

std::span<const PropertyInfo> TCustomRVFontInfo::Properties() const
{
    static const std::vector<PropertyInfo> table = JoinProperties({BaseProperties(), FontProperties()});
    return table;
}

DefinedRead TCustomRVFontInfo::ReadDefinedProperty(std::string_view name, const DefinedValue& value)
{
    if (name != "SingleSymbols")
        return DefinedRead::NotDefined;
    const bool* on = std::get_if<bool>(&value);
    if (!on)
        return DefinedRead::InvalidValue;
    // Old documents marked symbol runs this way; they are protected as such runs are now.
    if (*on)
        Protection.Include(rvprStyleProtect).Include(rvprDoNotAutoSwitch);
    return DefinedRead::Read;
}

// ---- TFontInfo ----

void TFontInfo::Assign(const TCustomRVInfo& source)
{
    TCustomRVFontInfo::Assign(source);
    if (const auto* src = dynamic_cast<const TFontInfo*>(&source)) {
        NextStyleNo = src->NextStyleNo;
        Unicode = src->Unicode;
        ModifiedProperties = src->ModifiedProperties;
    }
}

bool TFontInfo::EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const
{
    if (!TCustomRVFontInfo::EqualTo(other, ignoreReferences))
        return false;
    const auto* o = dynamic_cast<const TFontInfo*>(&other);
    if (!o)
        return true;
    return Unicode == o->Unicode && ModifiedProperties == o->ModifiedProperties &&
           StyleTemplateId == o->StyleTemplateId && (ignoreReferences || NextStyleNo == o->NextStyleNo);
}

bool TFontInfo::EqualExcept(const TCustomRVFontInfo& other, TRVFontInfoProperties ignored) const
{
    if (!TCustomRVFontInfo::EqualExcept(other, ignored))
        return false;
    const auto* o = dynamic_cast<const TFontInfo*>(&other);
    if (!o)
        return true;
    if (!ignored.Contains(rvfiUnicode) && Unicode != o->Unicode)
        return false;
    if (!ignored.Contains(rvfiNextStyleNo) && NextStyleNo != o->NextStyleNo)
        return false;
    return StyleTemplateId == o->StyleTemplateId && ModifiedProperties == o->ModifiedProperties;
}

bool TFontInfo::EqualMapped(const TCustomRVInfo& other, const TRVIntegerList& mapping) const
{
    if (!EqualTo(other, true))
        return false;
    const auto* o = dynamic_cast<const TFontInfo*>(&other);
    return !o || MappedReferenceAgrees(NextStyleNo, o->NextStyleNo, mapping);
}

void TFontInfo::RemapReferences(const TRVIntegerList& mapping, const TRVIntegerList* textMapping)
{
    TCustomRVFontInfo::RemapReferences(mapping, textMapping);
    NextStyleNo = MapReference(NextStyleNo, mapping);
}

std::span<const PropertyInfo> TFontInfo::Properties() const
{
    static const PropertyInfo own[] = {
        props::Integer<&TFontInfo::NextStyleNo>("NextStyleNo", -1),
        props::Boolean<&TFontInfo::Unicode>("Unicode", false),
        props::Set<&TFontInfo::ModifiedProperties>("ModifiedProperties", kFontInfoPropertyNames),
    };
    static const std::vector<PropertyInfo> table =
        JoinProperties({BaseProperties(), FontProperties(), own});
    return table;
}

// ---- TFontInfos ----

std::unique_ptr<TCustomRVInfo> TFontInfos::CreateItem() const
{
    if (FItemClass)
        return FItemClass();
    return std::make_unique<TFontInfo>();
}

void TFontInfos::MarkAsFallback(TCustomRVInfo& fallback) const
{
    auto& font = static_cast<TFontInfo&>(fallback);
    font.Color = clWhite;
    font.BackColor = clRed;
}

int TFontInfos::FindMapTarget(const TCustomRVInfo& source) const
{
    const auto& src = static_cast<const TFontInfo&>(source);
    // Narrow the candidates: same link kind and text kind, then same link kind, then same text
    // kind, then all. A link is never mapped to a non-link while any link exists.
    const std::function<bool(const TCustomRVInfo&)> passes[] = {
        [&](const TCustomRVInfo& c) {
            const auto& f = static_cast<const TFontInfo&>(c);
            return f.Jump == src.Jump && f.Unicode == src.Unicode;
        },
        [&](const TCustomRVInfo& c) { return static_cast<const TFontInfo&>(c).Jump == src.Jump; },
        [&](const TCustomRVInfo& c) { return static_cast<const TFontInfo&>(c).Unicode == src.Unicode; },
        [](const TCustomRVInfo&) { return true; },
    };
    for (const auto& accept : passes) {
        int found = BestMatch(source, accept);
        if (found >= 0)
            return found;
    }
    return -1;
}

int TFontInfos::FindMatching(int baseStyleNo, const TCustomRVFontInfo& pattern,
                             TRVFontInfoProperties relevant) const
{
    TRVFontInfoProperties ignored = RVAllFontInfoProperties - relevant;
    if (IsValidIndex(baseStyleNo) && pattern.EqualExcept((*this)[baseStyleNo], ignored))
        return baseStyleNo;
    for (int i = 0; i < Count(); ++i) {
        if (i != baseStyleNo && pattern.EqualExcept((*this)[i], ignored))
            return i;
    }
    return -1;
}

int TFontInfos::FindWithCharset(int baseStyleNo, FontCharset charset) const
{
    if (!IsValidIndex(baseStyleNo))
        return -1;
    const TFontInfo& base = (*this)[baseStyleNo];
    if (base.Charset == charset && !base.Unicode)
        return baseStyleNo;
    const TRVFontInfoProperties ignored{rvfiCharset, rvfiUnicode};
    for (int i = 0; i < Count(); ++i) {
        const TFontInfo& s = (*this)[i];
        if (i != baseStyleNo && s.Charset == charset && !s.Unicode && base.EqualExcept(s, ignored))
            return i;
    }
    return -1;
}

} // namespace vellum
