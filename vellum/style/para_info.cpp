#include "vellum/style/para_info.h"

#include <algorithm>

#include "vellum/style/property_builders.h"
#include "vellum/style/similarity.h"

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

// The option flag that a property value stands for; rvpaoWidowOrphanControl has none.
bool OptionOf(TRVParaInfoProperty prop, TRVParaOption& option)
{
    if (prop < rvpiNoWrap || prop > rvpiKeepWithNext)
        return false;
    option = static_cast<TRVParaOption>(prop - rvpiNoWrap);
    return true;
}

int64_t Bonus(bool same, int64_t score)
{
    return same ? score : 0;
}

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

void TCustomRVParaInfo::AssignProperty(const TCustomRVParaInfo& s, TRVParaInfoProperty prop)
{
    TRVParaOption option;
    if (OptionOf(prop, option)) {
        Options.Set(option, s.Options.Contains(option));
        return;
    }
    switch (prop) {
    case rvpiFirstIndent: FirstIndent = s.FirstIndent; break;
    case rvpiLeftIndent: LeftIndent = s.LeftIndent; break;
    case rvpiRightIndent: RightIndent = s.RightIndent; break;
    case rvpiSpaceBefore: SpaceBefore = s.SpaceBefore; break;
    case rvpiSpaceAfter: SpaceAfter = s.SpaceAfter; break;
    case rvpiAlignment: Alignment = s.Alignment; break;
    case rvpiLineSpacing: LineSpacing = s.LineSpacing; break;
    case rvpiLineSpacingType: LineSpacingType = s.LineSpacingType; break;
    case rvpiBackground_Color: Background.Color = s.Background.Color; break;
    case rvpiBackground_BO_Left: Background.BorderOffsets.Left = s.Background.BorderOffsets.Left; break;
    case rvpiBackground_BO_Top: Background.BorderOffsets.Top = s.Background.BorderOffsets.Top; break;
    case rvpiBackground_BO_Right: Background.BorderOffsets.Right = s.Background.BorderOffsets.Right; break;
    case rvpiBackground_BO_Bottom: Background.BorderOffsets.Bottom = s.Background.BorderOffsets.Bottom; break;
    case rvpiBorder_Color: Border.Color = s.Border.Color; break;
    case rvpiBorder_Style: Border.Style = s.Border.Style; break;
    case rvpiBorder_Width: Border.Width = s.Border.Width; break;
    case rvpiBorder_InternalWidth: Border.InternalWidth = s.Border.InternalWidth; break;
    case rvpiBorder_BO_Left: Border.BorderOffsets.Left = s.Border.BorderOffsets.Left; break;
    case rvpiBorder_BO_Top: Border.BorderOffsets.Top = s.Border.BorderOffsets.Top; break;
    case rvpiBorder_BO_Right: Border.BorderOffsets.Right = s.Border.BorderOffsets.Right; break;
    case rvpiBorder_BO_Bottom: Border.BorderOffsets.Bottom = s.Border.BorderOffsets.Bottom; break;
    case rvpiBorder_Vis_Left: Border.VisibleBorders.Left = s.Border.VisibleBorders.Left; break;
    case rvpiBorder_Vis_Top: Border.VisibleBorders.Top = s.Border.VisibleBorders.Top; break;
    case rvpiBorder_Vis_Right: Border.VisibleBorders.Right = s.Border.VisibleBorders.Right; break;
    case rvpiBorder_Vis_Bottom: Border.VisibleBorders.Bottom = s.Border.VisibleBorders.Bottom; break;
    case rvpiTabs: Tabs.Assign(s.Tabs); break;
    case rvpiBiDiMode: BiDiMode = s.BiDiMode; break;
    default: break; // NextParaNo, DefStyleNo and the custom value copy nothing
    }
}

void TCustomRVParaInfo::AssignProperties(const TCustomRVParaInfo& source, ParaInfoProperties props)
{
    for (int v = rvpiFirstIndent; v <= rvpiCustom; ++v) {
        auto prop = static_cast<TRVParaInfoProperty>(v);
        if (props.Contains(prop))
            AssignProperty(source, prop);
    }
}

bool TCustomRVParaInfo::EqualProperty(const TCustomRVParaInfo& o, TRVParaInfoProperty prop) const
{
    TRVParaOption option;
    if (OptionOf(prop, option))
        return Options.Contains(option) == o.Options.Contains(option);
    const TRVBorder& b = Border;
    const TRVBackgroundRect& g = Background;
    switch (prop) {
    case rvpiFirstIndent: return FirstIndent == o.FirstIndent;
    case rvpiLeftIndent: return LeftIndent == o.LeftIndent;
    case rvpiRightIndent: return RightIndent == o.RightIndent;
    case rvpiSpaceBefore: return SpaceBefore == o.SpaceBefore;
    case rvpiSpaceAfter: return SpaceAfter == o.SpaceAfter;
    case rvpiAlignment: return Alignment == o.Alignment;
    case rvpiLineSpacing: return LineSpacing == o.LineSpacing;
    case rvpiLineSpacingType: return LineSpacingType == o.LineSpacingType;
    case rvpiBackground_Color: return g.Color == o.Background.Color;
    case rvpiBackground_BO_Left: return g.BorderOffsets.Left == o.Background.BorderOffsets.Left;
    case rvpiBackground_BO_Top: return g.BorderOffsets.Top == o.Background.BorderOffsets.Top;
    case rvpiBackground_BO_Right: return g.BorderOffsets.Right == o.Background.BorderOffsets.Right;
    case rvpiBackground_BO_Bottom: return g.BorderOffsets.Bottom == o.Background.BorderOffsets.Bottom;
    case rvpiBorder_Color: return b.Color == o.Border.Color;
    case rvpiBorder_Style: return b.Style == o.Border.Style;
    case rvpiBorder_Width: return b.Width == o.Border.Width;
    case rvpiBorder_InternalWidth: return b.InternalWidth == o.Border.InternalWidth;
    case rvpiBorder_BO_Left: return b.BorderOffsets.Left == o.Border.BorderOffsets.Left;
    case rvpiBorder_BO_Top: return b.BorderOffsets.Top == o.Border.BorderOffsets.Top;
    case rvpiBorder_BO_Right: return b.BorderOffsets.Right == o.Border.BorderOffsets.Right;
    case rvpiBorder_BO_Bottom: return b.BorderOffsets.Bottom == o.Border.BorderOffsets.Bottom;
    case rvpiBorder_Vis_Left: return b.VisibleBorders.Left == o.Border.VisibleBorders.Left;
    case rvpiBorder_Vis_Top: return b.VisibleBorders.Top == o.Border.VisibleBorders.Top;
    case rvpiBorder_Vis_Right: return b.VisibleBorders.Right == o.Border.VisibleBorders.Right;
    case rvpiBorder_Vis_Bottom: return b.VisibleBorders.Bottom == o.Border.VisibleBorders.Bottom;
    case rvpiTabs: return Tabs.IsEqual(o.Tabs);
    case rvpiBiDiMode: return BiDiMode == o.BiDiMode;
    default: return true; // compared by TParaInfo, or no field at all
    }
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
    for (int v = rvpiFirstIndent; v < rvpiCustom; ++v) {
        auto prop = static_cast<TRVParaInfoProperty>(v);
        if (!ignored.Contains(prop) && !EqualProperty(other, prop))
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
