#include "vellum/style/para_info.h"

#include <algorithm>

#include "vellum/style/property_builders.h"
#include "vellum/style/similarity.h"
#include "vellum/style/style_fields.h"

namespace vellum {

namespace {

constexpr std::string_view kAlignmentNames[] = {"rvaLeft", "rvaRight", "rvaCenter", "rvaJustify"};
constexpr std::string_view kLineSpacingNames[] = {"rvlsPercent", "rvlsSpaceBetween", "rvlsLineHeightAtLeast",
                                                  "rvlsLineHeightExact"};
constexpr std::string_view kParaOptionNames[] = {"rvpaoNoWrap",           "rvpaoReadOnly",
                                                 "rvpaoStyleProtect",     "rvpaoDoNotWantReturns",
                                                 "rvpaoKeepLinesTogether", "rvpaoKeepWithNext",
                                                 "rvpaoWidowOrphanControl"};
constexpr std::string_view kBiDiNames[] = {"rvbdUnspecified", "rvbdLeftToRight", "rvbdRightToLeft"};

#define RVPI_NAMES_1                                                                                      \
    "rvpiFirstIndent", "rvpiLeftIndent", "rvpiRightIndent", "rvpiSpaceBefore", "rvpiSpaceAfter",          \
        "rvpiAlignment", "rvpiNextParaNo", "rvpiDefStyleNo", "rvpiLineSpacing", "rvpiLineSpacingType",    \
        "rvpiBackground_Color", "rvpiBackground_BO_Left", "rvpiBackground_BO_Top",                        \
        "rvpiBackground_BO_Right", "rvpiBackground_BO_Bottom", "rvpiBorder_Color", "rvpiBorder_Style",    \
        "rvpiBorder_Width", "rvpiBorder_InternalWidth", "rvpiBorder_BO_Left", "rvpiBorder_BO_Top",        \
        "rvpiBorder_BO_Right", "rvpiBorder_BO_Bottom", "rvpiBorder_Vis_Left", "rvpiBorder_Vis_Top",       \
        "rvpiBorder_Vis_Right", "rvpiBorder_Vis_Bottom"
#define RVPI_NAMES_2                                                                                      \
    "rvpiNoWrap", "rvpiReadOnly", "rvpiStyleProtect", "rvpiDoNotWantReturns", "rvpiKeepLinesTogether",    \
        "rvpiKeepWithNext", "rvpiTabs", "rvpiBiDiMode"

constexpr std::string_view kParaPropertyNames[] = {RVPI_NAMES_1, RVPI_NAMES_2, "rvpiCustom"};
// The stored halves accept only their own values.
constexpr std::string_view kParaProperty1Names[] = {RVPI_NAMES_1};
constexpr std::string_view kParaProperty2Names[] = {"", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                                    "", "", "", "", "", "", "", "", "", "", "", "", "",
                                                    RVPI_NAMES_2};
#undef RVPI_NAMES_1
#undef RVPI_NAMES_2

int64_t Bonus(bool same, int64_t score)
{
    return same ? score : 0;
}

using C = TCustomRVParaInfo;
using ParaField = fields::Row<C, TRVParaInfoProperty>;
using B = TRVBorder;
using G = TRVBackgroundRect;
using R = TRVRect;
using V = TRVBooleanRect;

// NextParaNo and DefStyleNo belong to TParaInfo, which copies and compares them itself; the
// custom value has no field. rvpaoWidowOrphanControl has no property value.
constexpr ParaField kParaFields[] = {
    fields::Value<C, &C::FirstIndent>(rvpiFirstIndent),
    fields::Value<C, &C::LeftIndent>(rvpiLeftIndent),
    fields::Value<C, &C::RightIndent>(rvpiRightIndent),
    fields::Value<C, &C::SpaceBefore>(rvpiSpaceBefore),
    fields::Value<C, &C::SpaceAfter>(rvpiSpaceAfter),
    fields::Value<C, &C::Alignment>(rvpiAlignment),
    fields::Value<C, &C::LineSpacing>(rvpiLineSpacing),
    fields::Value<C, &C::LineSpacingType>(rvpiLineSpacingType),
    fields::Value<C, &C::Background, &G::Color>(rvpiBackground_Color),
    fields::Value<C, &C::Background, &G::BorderOffsets, &R::Left>(rvpiBackground_BO_Left),
    fields::Value<C, &C::Background, &G::BorderOffsets, &R::Top>(rvpiBackground_BO_Top),
    fields::Value<C, &C::Background, &G::BorderOffsets, &R::Right>(rvpiBackground_BO_Right),
    fields::Value<C, &C::Background, &G::BorderOffsets, &R::Bottom>(rvpiBackground_BO_Bottom),
    fields::Value<C, &C::Border, &B::Color>(rvpiBorder_Color),
    fields::Value<C, &C::Border, &B::Style>(rvpiBorder_Style),
    fields::Value<C, &C::Border, &B::Width>(rvpiBorder_Width),
    fields::Value<C, &C::Border, &B::InternalWidth>(rvpiBorder_InternalWidth),
    fields::Value<C, &C::Border, &B::BorderOffsets, &R::Left>(rvpiBorder_BO_Left),
    fields::Value<C, &C::Border, &B::BorderOffsets, &R::Top>(rvpiBorder_BO_Top),
    fields::Value<C, &C::Border, &B::BorderOffsets, &R::Right>(rvpiBorder_BO_Right),
    fields::Value<C, &C::Border, &B::BorderOffsets, &R::Bottom>(rvpiBorder_BO_Bottom),
    fields::Value<C, &C::Border, &B::VisibleBorders, &V::Left>(rvpiBorder_Vis_Left),
    fields::Value<C, &C::Border, &B::VisibleBorders, &V::Top>(rvpiBorder_Vis_Top),
    fields::Value<C, &C::Border, &B::VisibleBorders, &V::Right>(rvpiBorder_Vis_Right),
    fields::Value<C, &C::Border, &B::VisibleBorders, &V::Bottom>(rvpiBorder_Vis_Bottom),
    fields::Flag<C, &C::Options, rvpaoNoWrap>(rvpiNoWrap),
    fields::Flag<C, &C::Options, rvpaoReadOnly>(rvpiReadOnly),
    fields::Flag<C, &C::Options, rvpaoStyleProtect>(rvpiStyleProtect),
    fields::Flag<C, &C::Options, rvpaoDoNotWantReturns>(rvpiDoNotWantReturns),
    fields::Flag<C, &C::Options, rvpaoKeepLinesTogether>(rvpiKeepLinesTogether),
    fields::Flag<C, &C::Options, rvpaoKeepWithNext>(rvpiKeepWithNext),
    {rvpiTabs, [](C& to, const C& from) { to.Tabs.Assign(from.Tabs); },
     [](const C& a, const C& b) { return a.Tabs.IsEqual(b.Tabs); }},
    fields::Value<C, &C::BiDiMode>(rvpiBiDiMode),
};

} // namespace

std::span<const std::string_view> ParaInfoPropertyNames()
{
    return kParaPropertyNames;
}

std::span<const std::string_view> ParaInfoProperties1Names()
{
    return kParaProperty1Names;
}

std::span<const std::string_view> ParaInfoProperties2Names()
{
    return kParaProperty2Names;
}

// ---- TCustomRVParaInfo ----

bool TCustomRVParaInfo::HasNonDefaultLineSpacing() const
{
    if (LineSpacingType == rvlsPercent)
        return LineSpacing != 100;
    return LineSpacing > 0;
}

void TCustomRVParaInfo::Assign(const TCustomRVInfo& source)
{
    TCustomRVInfo::Assign(source);
    const auto* src = dynamic_cast<const TCustomRVParaInfo*>(&source);
    if (!src)
        return;
    FirstIndent = src->FirstIndent;
    LeftIndent = src->LeftIndent;
    RightIndent = src->RightIndent;
    Alignment = src->Alignment;
    SpaceBefore = src->SpaceBefore;
    SpaceAfter = src->SpaceAfter;
    LineSpacing = src->LineSpacing;
    LineSpacingType = src->LineSpacingType;
    Background.Assign(src->Background);
    Border.Assign(src->Border);
    Tabs.Assign(src->Tabs);
    Options = src->Options;
    BiDiMode = src->BiDiMode;
}

void TCustomRVParaInfo::AssignProperties(const TCustomRVParaInfo& source, ParaInfoProperties props)
{
    fields::CopySome<C, TRVParaInfoProperty>(kParaFields, *this, source, props);
}

bool TCustomRVParaInfo::EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const
{
    const auto* o = dynamic_cast<const TCustomRVParaInfo*>(&other);
    if (!o)
        return false;
    return Alignment == o->Alignment && FirstIndent == o->FirstIndent && LeftIndent == o->LeftIndent &&
           RightIndent == o->RightIndent && SpaceBefore == o->SpaceBefore && SpaceAfter == o->SpaceAfter &&
           LineSpacing == o->LineSpacing && LineSpacingType == o->LineSpacingType && Options == o->Options &&
           BiDiMode == o->BiDiMode && Background.IsEqual(o->Background) && Tabs.IsEqual(o->Tabs) &&
           Border.IsEqual(o->Border);
}

bool TCustomRVParaInfo::EqualExcept(const TCustomRVParaInfo& other, ParaInfoProperties ignored) const
{
    for (const ParaField& field : kParaFields) {
        if (!ignored.Contains(field.id) && !field.equal(*this, other))
            return false;
    }
    return true;
}

int64_t TCustomRVParaInfo::IndentSimilarity(const TCustomRVParaInfo& o) const
{
    return int64_t{ValueSimilarity(FirstIndent, o.FirstIndent, 1000)} +
           ValueSimilarity(LeftIndent, o.LeftIndent, 1000) + ValueSimilarity(RightIndent, o.RightIndent, 1000) +
           ValueSimilarity(SpaceBefore, o.SpaceBefore, 1000) + ValueSimilarity(SpaceAfter, o.SpaceAfter, 1000);
}

int64_t TCustomRVParaInfo::BackgroundSimilarity(const TCustomRVParaInfo& o) const
{
    const TRVRect& a = Background.BorderOffsets;
    const TRVRect& b = o.Background.BorderOffsets;
    return int64_t{ColorSimilarity(Background.Color, o.Background.Color, 10000, 50000)} +
           ValueSimilarity(a.Left, b.Left, 100) + ValueSimilarity(a.Top, b.Top, 100) +
           ValueSimilarity(a.Right, b.Right, 100) + ValueSimilarity(a.Bottom, b.Bottom, 100);
}

int64_t TCustomRVParaInfo::TabSimilarity(const TCustomRVParaInfo& o) const
{
    int n = std::min(Tabs.Count(), o.Tabs.Count());
    int64_t score = 0;
    for (int i = 0; i < n; ++i) {
        const TRVTabInfo& a = Tabs[i];
        const TRVTabInfo& b = o.Tabs[i];
        score += ValueSimilarity(a.Position(), b.Position(), 200);
        score += Bonus(a.Align == b.Align, 100) + Bonus(a.Leader == b.Leader, 50);
    }
    score -= 400 * int64_t{Tabs.Count() - n};
    score -= 400 * int64_t{o.Tabs.Count() - n};
    return score;
}

int64_t TCustomRVParaInfo::BorderSimilarity(const TCustomRVParaInfo& o) const
{
    const int32_t offsets[4] = {Border.BorderOffsets.Left, Border.BorderOffsets.Top, Border.BorderOffsets.Right,
                                Border.BorderOffsets.Bottom};
    const int32_t otherOffsets[4] = {o.Border.BorderOffsets.Left, o.Border.BorderOffsets.Top,
                                     o.Border.BorderOffsets.Right, o.Border.BorderOffsets.Bottom};
    int64_t score = 0;
    int both = 0;
    for (int side = 0; side < 4; ++side) {
        bool mine = Border.SideShown(side);
        bool theirs = o.Border.SideShown(side);
        if (mine && theirs) {
            ++both;
            score += ValueSimilarity(offsets[side], otherOffsets[side], 100);
        } else {
            score += mine == theirs ? 20000 : -20000;
        }
    }
    if (both > 0) {
        int64_t perSide = int64_t{ColorSimilarity(Border.Color, o.Border.Color, 3333, 3000)} +
                          ValueSimilarity(Border.Width, o.Border.Width, 1000) +
                          ValueSimilarity(Border.InternalWidth, o.Border.InternalWidth, 1000) +
                          Bonus(Border.Style == o.Border.Style, 1000);
        score += both * perSide;
    }
    return score;
}

int64_t TCustomRVParaInfo::OptionSimilarity(const TCustomRVParaInfo& o) const
{
    static constexpr struct {
        TRVParaOption option;
        int64_t weight;
    } kWeights[] = {{rvpaoNoWrap, 1000},           {rvpaoReadOnly, 100000},        {rvpaoStyleProtect, 1000},
                    {rvpaoDoNotWantReturns, 10000}, {rvpaoKeepLinesTogether, 500}, {rvpaoKeepWithNext, 500}};
    int64_t score = 0;
    for (const auto& w : kWeights)
        score += Bonus(Options.Contains(w.option) == o.Options.Contains(w.option), w.weight);
    return score;
}

int64_t TCustomRVParaInfo::LineSpacingSimilarity(const TCustomRVParaInfo& o) const
{
    if (LineSpacingType == o.LineSpacingType)
        return ValueSimilarity(LineSpacing, o.LineSpacing, 5000);
    return HasNonDefaultLineSpacing() == o.HasNonDefaultLineSpacing() ? 0 : -20000;
}

int32_t TCustomRVParaInfo::Similarity(const TCustomRVInfo& other) const
{
    const auto* o = dynamic_cast<const TCustomRVParaInfo*>(&other);
    if (!o)
        return 0;
    // This style's values are the references here.
    int64_t score = IndentSimilarity(*o) + BackgroundSimilarity(*o) + TabSimilarity(*o) + BorderSimilarity(*o);
    score += Bonus(Alignment == o->Alignment, 50000) + Bonus(BiDiMode == o->BiDiMode, 10000);
    score += OptionSimilarity(*o) + LineSpacingSimilarity(*o);
    return ClampScore(score);
}

std::span<const PropertyInfo> TCustomRVParaInfo::ParaProperties()
{
    using C = TCustomRVParaInfo;
    static const PropertyInfo table[] = {
        props::Integer<&C::FirstIndent>("FirstIndent", 0),
        props::Integer<&C::LeftIndent>("LeftIndent", 0),
        props::Integer<&C::RightIndent>("RightIndent", 0),
        props::Integer<&C::SpaceBefore>("SpaceBefore", 0),
        props::Integer<&C::SpaceAfter>("SpaceAfter", 0),
        props::Enumeration<&C::Alignment>("Alignment", kAlignmentNames, rvaLeft),
        props::Object<&C::Border>("Border"),
        props::Object<&C::Background>("Background"),
        props::Integer<&C::LineSpacing>("LineSpacing", 100),
        props::Enumeration<&C::LineSpacingType>("LineSpacingType", kLineSpacingNames, rvlsPercent),
        props::Set<&C::Options>("Options", kParaOptionNames),
        props::Enumeration<&C::BiDiMode>("BiDiMode", kBiDiNames, rvbdUnspecified),
        [] {
            PropertyInfo p;
            p.Name = "Tabs";
            p.Kind = PropertyKind::Collection;
            p.GetCollection = [](const Persistent& o) -> const RvCollection* {
                return &static_cast<const C&>(o).Tabs;
            };
            p.CollectionForWrite = [](Persistent& o) -> RvCollection* { return &static_cast<C&>(o).Tabs; };
            return p;
        }(),
    };
    return table;
}

std::span<const PropertyInfo> TCustomRVParaInfo::Properties() const
{
    static const std::vector<PropertyInfo> table = JoinProperties({BaseProperties(), ParaProperties()});
    return table;
}

// ---- TParaInfo ----

void TParaInfo::Assign(const TCustomRVInfo& source)
{
    TCustomRVParaInfo::Assign(source);
    if (const auto* src = dynamic_cast<const TParaInfo*>(&source)) {
        NextParaNo = src->NextParaNo;
        DefStyleNo = src->DefStyleNo;
        ModifiedProperties1 = src->ModifiedProperties1;
        ModifiedProperties2 = src->ModifiedProperties2;
    }
}

bool TParaInfo::EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const
{
    if (!TCustomRVParaInfo::EqualTo(other, ignoreReferences))
        return false;
    const auto* o = dynamic_cast<const TParaInfo*>(&other);
    if (!o)
        return true;
    if (ModifiedProperties1 != o->ModifiedProperties1 || ModifiedProperties2 != o->ModifiedProperties2 ||
        StyleTemplateId != o->StyleTemplateId)
        return false;
    return ignoreReferences || (NextParaNo == o->NextParaNo && DefStyleNo == o->DefStyleNo);
}

bool TParaInfo::EqualExcept(const TCustomRVParaInfo& other, ParaInfoProperties ignored) const
{
    if (!TCustomRVParaInfo::EqualExcept(other, ignored))
        return false;
    const auto* o = dynamic_cast<const TParaInfo*>(&other);
    if (!o)
        return true;
    if (!ignored.Contains(rvpiNextParaNo) && NextParaNo != o->NextParaNo)
        return false;
    if (!ignored.Contains(rvpiDefStyleNo) && DefStyleNo != o->DefStyleNo)
        return false;
    return StyleTemplateId == o->StyleTemplateId && ModifiedProperties1 == o->ModifiedProperties1 &&
           ModifiedProperties2 == o->ModifiedProperties2;
}

bool TParaInfo::EqualMapped(const TCustomRVInfo& other, const TRVIntegerList& mapping) const
{
    if (!EqualTo(other, true))
        return false;
    const auto* o = dynamic_cast<const TParaInfo*>(&other);
    return !o || MappedReferenceAgrees(NextParaNo, o->NextParaNo, mapping);
}

void TParaInfo::RemapReferences(const TRVIntegerList& mapping, const TRVIntegerList* textMapping)
{
    TCustomRVParaInfo::RemapReferences(mapping, textMapping);
    NextParaNo = MapReference(NextParaNo, mapping);
    if (textMapping)
        DefStyleNo = MapReference(DefStyleNo, *textMapping);
}

std::span<const PropertyInfo> TParaInfo::Properties() const
{
    static const PropertyInfo own[] = {
        props::Integer<&TParaInfo::NextParaNo>("NextParaNo", -1),
        props::Integer<&TParaInfo::DefStyleNo>("DefStyleNo", -1),
        props::Set<&TParaInfo::ModifiedProperties1>("ModifiedProperties1", kParaProperty1Names),
        props::Set<&TParaInfo::ModifiedProperties2>("ModifiedProperties2", kParaProperty2Names),
    };
    static const std::vector<PropertyInfo> table = JoinProperties({BaseProperties(), ParaProperties(), own});
    return table;
}

// ---- TParaInfos ----

std::unique_ptr<TCustomRVInfo> TParaInfos::CreateItem() const
{
    if (FItemClass)
        return FItemClass();
    return std::make_unique<TParaInfo>();
}

void TParaInfos::MarkAsFallback(TCustomRVInfo& fallback) const
{
    auto& para = static_cast<TParaInfo&>(fallback);
    para.SpaceBefore = 1;
    para.SpaceAfter = 1;
    para.LeftIndent = 1;
    para.RightIndent = 1;
    para.Border.Color = clRed;
    para.Border.Style = rvbSingle;
    para.Border.Width = 2;
    para.Border.BorderOffsets.SetAll(1);
}

int TParaInfos::FindMatching(int baseStyleNo, const TCustomRVParaInfo& pattern,
                             ParaInfoProperties relevant) const
{
    ParaInfoProperties ignored = RVAllParaInfoProperties - relevant;
    if (IsValidIndex(baseStyleNo) && pattern.EqualExcept((*this)[baseStyleNo], ignored))
        return baseStyleNo;
    for (int i = 0; i < Count(); ++i) {
        if (i != baseStyleNo && pattern.EqualExcept((*this)[i], ignored))
            return i;
    }
    return -1;
}

} // namespace vellum
