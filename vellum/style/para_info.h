// Paragraph styles: alignment, indents, spacing, line spacing, border, background, tab stops,
// behaviour flags and direction; the paragraph-style table; equality and similarity.
#pragma once

#include <cstdint>

#include "vellum/style/custom_rv_info.h"
#include "vellum/style/para_border.h"
#include "vellum/style/rv_set.h"
#include "vellum/style/style_types.h"
#include "vellum/style/tab_info.h"

namespace vellum {

enum TRVAlignment : uint8_t { rvaLeft, rvaRight, rvaCenter, rvaJustify };

enum TRVLineSpacingType : uint8_t { rvlsPercent, rvlsSpaceBetween, rvlsLineHeightAtLeast, rvlsLineHeightExact };

enum TRVParaOption : uint8_t {
    rvpaoNoWrap,
    rvpaoReadOnly,
    rvpaoStyleProtect,
    rvpaoDoNotWantReturns,
    rvpaoKeepLinesTogether,
    rvpaoKeepWithNext,
    rvpaoWidowOrphanControl
};
using ParaOptions = RvSet<TRVParaOption>;

enum TRVParaInfoProperty : uint8_t {
    rvpiFirstIndent,
    rvpiLeftIndent,
    rvpiRightIndent,
    rvpiSpaceBefore,
    rvpiSpaceAfter,
    rvpiAlignment,
    rvpiNextParaNo,
    rvpiDefStyleNo,
    rvpiLineSpacing,
    rvpiLineSpacingType,
    rvpiBackground_Color,
    rvpiBackground_BO_Left,
    rvpiBackground_BO_Top,
    rvpiBackground_BO_Right,
    rvpiBackground_BO_Bottom,
    rvpiBorder_Color,
    rvpiBorder_Style,
    rvpiBorder_Width,
    rvpiBorder_InternalWidth,
    rvpiBorder_BO_Left,
    rvpiBorder_BO_Top,
    rvpiBorder_BO_Right,
    rvpiBorder_BO_Bottom,
    rvpiBorder_Vis_Left,
    rvpiBorder_Vis_Top,
    rvpiBorder_Vis_Right,
    rvpiBorder_Vis_Bottom,
    rvpiNoWrap,
    rvpiReadOnly,
    rvpiStyleProtect,
    rvpiDoNotWantReturns,
    rvpiKeepLinesTogether,
    rvpiKeepWithNext,
    rvpiTabs,
    rvpiBiDiMode,
    rvpiCustom
};
// Any set of paragraph properties, bit n for value n (all 36 values).
using ParaInfoProperties = RvSet<TRVParaInfoProperty>;
// The two stored halves: values 0 to 26, and values 27 to 34.
using TRVParaInfoProperties1 = ParaInfoProperties;
using TRVParaInfoProperties2 = ParaInfoProperties;
constexpr ParaInfoProperties RVAllParaInfoProperties = ParaInfoProperties::FromMask(0xFFFFFFFFFull);
constexpr ParaInfoProperties RVParaInfoProperties1Range = ParaInfoProperties::FromMask((1ull << 27) - 1);
constexpr ParaInfoProperties RVParaInfoProperties2Range =
    ParaInfoProperties::FromMask(((1ull << 35) - 1) & ~((1ull << 27) - 1));

// Element names by value: all 36, and those the two stored halves accept ("" elsewhere).
std::span<const std::string_view> ParaInfoPropertyNames();
std::span<const std::string_view> ParaInfoProperties1Names();
std::span<const std::string_view> ParaInfoProperties2Names();

class TCustomRVParaInfo : public TCustomRVInfo {
public:
    TCustomRVParaInfo() : Tabs(this) { StyleName = u"Paragraph Style"; }

    int32_t FirstIndent = 0;
    int32_t LeftIndent = 0;
    int32_t RightIndent = 0;
    int32_t SpaceBefore = 0;
    int32_t SpaceAfter = 0;
    TRVAlignment Alignment = rvaLeft;
    TRVBorder Border;
    TRVBackgroundRect Background;
    int32_t LineSpacing = 100;
    TRVLineSpacingType LineSpacingType = rvlsPercent;
    ParaOptions Options;
    TRVBiDiMode BiDiMode = rvbdUnspecified;
    TRVTabInfos Tabs;

    // Percent other than 100, or any other type with a positive value.
    bool HasNonDefaultLineSpacing() const;

    void Assign(const TCustomRVInfo& source) override;
    // Copies only the properties in PROPS from SOURCE; NextParaNo, DefStyleNo and the custom
    // value copy nothing.
    virtual void AssignProperties(const TCustomRVParaInfo& source, ParaInfoProperties props);

    bool EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const override;
    virtual bool EqualExcept(const TCustomRVParaInfo& other, ParaInfoProperties ignored) const;
    int32_t Similarity(const TCustomRVInfo& other) const override;

    std::span<const PropertyInfo> Properties() const override;

protected:
    static std::span<const PropertyInfo> ParaProperties();

private:
    bool EqualProperty(const TCustomRVParaInfo& other, TRVParaInfoProperty prop) const;
    void AssignProperty(const TCustomRVParaInfo& source, TRVParaInfoProperty prop);
    int64_t IndentSimilarity(const TCustomRVParaInfo& other) const;
    int64_t BackgroundSimilarity(const TCustomRVParaInfo& other) const;
    int64_t TabSimilarity(const TCustomRVParaInfo& other) const;
    int64_t BorderSimilarity(const TCustomRVParaInfo& other) const;
    int64_t OptionSimilarity(const TCustomRVParaInfo& other) const;
    int64_t LineSpacingSimilarity(const TCustomRVParaInfo& other) const;
};

// A paragraph style of the style sheet.
class TParaInfo : public TCustomRVParaInfo {
public:
    int32_t NextParaNo = -1;
    int32_t DefStyleNo = -1;
    TRVParaInfoProperties1 ModifiedProperties1;
    TRVParaInfoProperties2 ModifiedProperties2;

    void Assign(const TCustomRVInfo& source) override;
    bool EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const override;
    bool EqualExcept(const TCustomRVParaInfo& other, ParaInfoProperties ignored) const override;
    bool EqualMapped(const TCustomRVInfo& other, const TRVIntegerList& mapping) const override;
    void RemapReferences(const TRVIntegerList& mapping, const TRVIntegerList* textMapping) override;
    std::span<const PropertyInfo> Properties() const override;
};

using ParaInfoClass = std::unique_ptr<TParaInfo> (*)();

class TParaInfos : public InfosOf<TParaInfo> {
public:
    explicit TParaInfos(TRVStyle* owner, ParaInfoClass itemClass = nullptr)
        : InfosOf<TParaInfo>(owner), FItemClass(itemClass)
    {
    }

    int FindMatching(int baseStyleNo, const TCustomRVParaInfo& pattern, ParaInfoProperties relevant) const;

protected:
    std::unique_ptr<TCustomRVInfo> CreateItem() const override;
    void MarkAsFallback(TCustomRVInfo& fallback) const override;

private:
    ParaInfoClass FItemClass;
};

} // namespace vellum
