// Text styles: the visual and behavioural properties of a run of text, the text-style table,
// and the rules by which two text styles count as equal or similar.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "vellum/style/custom_rv_info.h"
#include "vellum/style/font.h"
#include "vellum/style/rv_set.h"
#include "vellum/style/style_types.h"

namespace platform {
class Canvas;
}

namespace vellum {

enum HoverEffect : uint8_t { rvheUnderline };
using RvHoverEffects = RvSet<HoverEffect>;

enum FontStyleEx : uint8_t { rvfsOverline, rvfsAllCaps };
using FontStylesEx = RvSet<FontStyleEx>;

enum TRVSubSuperScriptType : uint8_t { rvsssNormal, rvsssSubscript, rvsssSuperScript };

enum TRVProtectOption : uint8_t {
    rvprStyleProtect,
    rvprStyleSplitProtect,
    rvprModifyProtect,
    rvprDeleteProtect,
    rvprConcateProtect,
    rvprRVFInsertProtect,
    rvprDoNotAutoSwitch,
    rvprParaStartProtect,
    rvprSticking,
    rvprSticking2,
    rvprSticking3,
    rvprStickToTop,
    rvprStickToBottom
};
using ProtectOptions = RvSet<TRVProtectOption>;

enum TextOption : uint8_t { rvteoHTMLCode, rvteoRTFCode };
using TextOptions = RvSet<TextOption>;

enum TRVUnderlineType : uint8_t {
    rvutNormal,
    rvutThick,
    rvutDouble,
    rvutDotted,
    rvutThickDotted,
    rvutDashed,
    rvutThickDashed,
    rvutLongDashed,
    rvutThickLongDashed,
    rvutDashDotted,
    rvutThickDashDotted,
    rvutDashDotDotted,
    rvutThickDashDotDotted
};

enum TRVFontInfoProperty : uint8_t {
    rvfiFontName,
    rvfiSize,
    rvfiCharset,
    rvfiUnicode,
    rvfiBold,
    rvfiItalic,
    rvfiUnderline,
    rvfiStrikeout,
    rvfiOverline,
    rvfiAllCaps,
    rvfiSubSuperScriptType,
    rvfiVShift,
    rvfiColor,
    rvfiBackColor,
    rvfiJump,
    rvfiHoverBackColor,
    rvfiHoverColor,
    rvfiHoverUnderline,
    rvfiJumpCursor,
    rvfiNextStyleNo,
    rvfiProtection,
    rvfiCharScale,
    rvfiBaseStyleNo,
    rvfiBiDiMode,
    rvfiCharSpacing,
    rvfiHTMLCode,
    rvfiRTFCode,
    rvfiUnderlineType,
    rvfiUnderlineColor,
    rvfiHoverUnderlineColor,
    rvfiCustom
};
using TRVFontInfoProperties = RvSet<TRVFontInfoProperty>;
constexpr TRVFontInfoProperties RVAllFontInfoProperties = TRVFontInfoProperties::FromMask(0x7FFFFFFF);

// The element names of the enumerations above, by ordinal, as stored.
std::span<const std::string_view> FontInfoPropertyNames();

class TCustomRVFontInfo : public TCustomRVInfo {
public:
    TCustomRVFontInfo() { StyleName = u"Font Style"; }

    FontCharset Charset = DEFAULT_CHARSET;
    std::u16string FontName = u"Arial";
    int32_t Size = 10;
    FontStyles Style;
    int32_t VShift = 0;
    platform::Color Color = clWindowText;
    platform::Color BackColor = clNone;
    platform::Color HoverBackColor = clNone;
    platform::Color HoverColor = clNone;
    RvHoverEffects HoverEffects;
    FontStylesEx StyleEx;
    bool Jump = false;
    CursorId JumpCursor = crJump;
    int32_t CharScale = 100;
    int32_t CharSpacing = 0;
    TRVBiDiMode BiDiMode = rvbdUnspecified;
    TRVSubSuperScriptType SubSuperScriptType = rvsssNormal;
    ProtectOptions Protection;
    TextOptions Options;
    TRVUnderlineType UnderlineType = rvutNormal;
    platform::Color UnderlineColor = clNone;
    platform::Color HoverUnderlineColor = clNone;

    void Assign(const TCustomRVInfo& source) override;
    // Face name, size, colour, style flags and character set of a font object.
    void AssignFromFont(const Font& font);
    void AssignToFont(Font& font) const;
    // Copies only the properties in PROPS from SOURCE.
    virtual void AssignProperties(const TCustomRVFontInfo& source, TRVFontInfoProperties props);

    bool EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const override;
    // Equality over the properties that are not in IGNORED.
    virtual bool EqualExcept(const TCustomRVFontInfo& other, TRVFontInfoProperties ignored) const;
    int32_t Similarity(const TCustomRVInfo& other) const override;

    std::span<const PropertyInfo> Properties() const override;
    DefinedRead ReadDefinedProperty(std::string_view name, const DefinedValue& value) override;

    // Selects this style's font on CANVAS: face, size, style flags and charset, a font of
    // scaled width when CharScale is not 100, the sub- or superscript size unless IGNORESCRIPT
    // (SCRIPTHEIGHT when given, else computed), then direction and letter spacing. With
    // USESTYLEPIXELSPERINCH sizes follow the table's PixelsPerInch when it is set.
    void Apply(platform::Canvas& canvas, TRVBiDiMode defBiDiMode, bool ignoreScript,
               std::optional<int> scriptHeight, bool useStylePixelsPerInch) const;
    // Only the reading order and letter spacing: the style's own BiDiMode, or DEFBIDIMODE when
    // it has none; letter spacing only for text without an explicit direction.
    void ApplyBiDiMode(platform::Canvas& canvas, TRVBiDiMode defBiDiMode) const;
    // The sub- or superscript font height for the full-size font selected on CANVAS; 0 for
    // normal text.
    int ScriptHeightOn(platform::Canvas& canvas) const;

protected:
    static std::span<const PropertyInfo> FontProperties();

private:
    bool EqualVisual(const TCustomRVFontInfo& other) const;
    bool EqualLinkProperties(const TCustomRVFontInfo& other) const;
    bool EqualFlag(const TCustomRVFontInfo& other, TRVFontInfoProperty prop) const;
    void AssignFlag(const TCustomRVFontInfo& source, TRVFontInfoProperty prop);
    int64_t LinkSimilarity(const TCustomRVFontInfo& other) const;
    int64_t FlagSimilarity(const TCustomRVFontInfo& other) const;
    int StylePixelsPerInch(bool useStylePixelsPerInch) const;
    void ApplyPlain(platform::Canvas& canvas, bool ignoreScript, std::optional<int> scriptHeight,
                    int stylePpi) const;
    void ApplyScaled(platform::Canvas& canvas, bool ignoreScript, std::optional<int> scriptHeight,
                     int stylePpi) const;
};

// A text style of the style sheet.
class TFontInfo : public TCustomRVFontInfo {
public:
    int32_t NextStyleNo = -1;
    bool Unicode = false;
    TRVFontInfoProperties ModifiedProperties;

    void Assign(const TCustomRVInfo& source) override;
    bool EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const override;
    bool EqualExcept(const TCustomRVFontInfo& other, TRVFontInfoProperties ignored) const override;
    bool EqualMapped(const TCustomRVInfo& other, const TRVIntegerList& mapping) const override;
    void RemapReferences(const TRVIntegerList& mapping, const TRVIntegerList* textMapping) override;
    std::span<const PropertyInfo> Properties() const override;
};

using FontInfoClass = std::unique_ptr<TFontInfo> (*)();

class TFontInfos : public InfosOf<TFontInfo> {
public:
    explicit TFontInfos(TRVStyle* owner, FontInfoClass itemClass = nullptr)
        : InfosOf<TFontInfo>(owner), FItemClass(itemClass)
    {
    }

    // Resolution at which font sizes are applied when a control asks for it; 0: not set.
    int32_t PixelsPerInch = 0;

    // The first style, BASESTYLENO first and then from 0 upward, that PATTERN equals in the
    // relevant properties; -1 when none does.
    int FindMatching(int baseStyleNo, const TCustomRVFontInfo& pattern, TRVFontInfoProperties relevant) const;
    // BASESTYLENO itself, or the first style like it in CHARSET that holds 8-bit text; -1.
    int FindWithCharset(int baseStyleNo, FontCharset charset) const;

protected:
    std::unique_ptr<TCustomRVInfo> CreateItem() const override;
    void MarkAsFallback(TCustomRVInfo& fallback) const override;
    int FindMapTarget(const TCustomRVInfo& source) const override;

private:
    FontInfoClass FItemClass;
};

} // namespace vellum
