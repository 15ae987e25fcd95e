// The item class family's base: what every entry of a document's item list carries, the flag
// setters that keep paragraph and line flags consistent, the yes/no questions the reader and the
// layout engine ask, the insertion and loading hooks, and extra properties by number.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vellum/document/item_text.h"
#include "vellum/document/rv_cp_info.h"
#include "vellum/document/rv_tag.h"
#include "vellum/document/document_types.h"
#include "vellum/vellum_error.h"

namespace platform {
class Canvas;
class Picture;
struct Rect;
}

namespace vellum {

class TCustomRVData;
class TRVStyle;
struct ResolutionPair;
struct TRVDrawLineInfo;

// What an item is told when a line formatting pass measures it.
struct ItemLayoutContext {
    int32_t availableWidth = 0; // device pixels the item may take
    const ResolutionPair* resolution = nullptr;
    // The canvas with the item's drawing text style selected; none when it has no such style.
    platform::Canvas* styleCanvas = nullptr;
};

// The answer of MeasureForLayout. Unless SIZEDBYITEM is set the formatter takes the item's
// outer size and converts it and BELOWBASELINE (screen pixels) to the device itself.
struct ItemLayoutSize {
    int32_t belowBaseline = 1; // the part of the height that lies below the baseline
    int32_t extraLeft = 0;     // device pixels the item is moved right of its position
    bool sizedByItem = false;  // WIDTH, HEIGHT and BELOWBASELINE are final device pixels
    int32_t width = 0;
    int32_t height = 0;
};

// A marked word range of a text item (start offset, length).
struct WordPainter {
    int32_t StartOffs = 0;
    int32_t Length = 0;
};
using TRVWordPainterList = std::vector<WordPainter>;

// Codes of the plain yes/no questions (BoolQuery). Codes without a name here are consumed by
// the layout engine and the exporters by number.
enum ItemBoolProperty : int {
    rvbpFullLine = 0,       // occupies its own line; the next item always starts a line
    rvbpValid = 1,          // usable; the reader drops items that answer no
    rvbpReadsDataLines = 2, // the reader hands the record's data lines to the item
    rvbpDrawingChangesFont = 3,
    rvbpGivesUnicodeText = 4,
    rvbpAlwaysInText = 5,
    rvbpResizable = 7,
    rvbpStyleApplicable = 12,
};

// Codes of the styled yes/no questions (BoolQueryStyled).
enum ItemBoolPropertyEx : int {
    rvbpxJump = 2,
    rvbpxMouseSensitive = 3,
    rvbpxHover = 4,
};

// Extra integer properties by number (RVF keys in brackets).
enum ExtraItemProperty : int {
    rvepVShift = 1,           // "vshift"
    rvepVShiftAbs = 2,        // "vshiftabs"
    rvepWidth = 3,            // "width"
    rvepHeight = 4,           // "height"
    rvepTransparent = 5,      // "transparent"
    rvepTMode = 6,            // "tmode"
    rvepTColor = 7,           // "tcolor"
    rvepMinHeightOnPage = 8,  // "minheightonpage"
    rvepSpacing = 9,          // "spacing"
    rvepResizable = 10,       // "resizable"
    rvepUnremovable = 11,     // "unremovable"
    rvepNoHtmlSize = 12,      // "nohtmlsize"
    rvepAInterval = 13,       // "ainterval"
    rvepVisible = 14,         // "visible"
};

// Extra string properties by number.
enum ExtraItemStrProperty : int {
    rvespHint = 1,     // "hint"
    rvespAlt = 2,      // "alt"
    rvespFilename = 3, // "filename"
};

class TCustomRVItemInfo {
public:
    explicit TCustomRVItemInfo(TCustomRVData* rvData);
    virtual ~TCustomRVItemInfo();
    TCustomRVItemInfo(const TCustomRVItemInfo&) = delete;
    TCustomRVItemInfo& operator=(const TCustomRVItemInfo&) = delete;

    // The fields as the item kinds name them. Text, the flags and the numbers sit in the item;
    // the fields that snapshots rarely use (Hint, WordMarks, AttachedCheckpoint) live in an extras
    // block made when one of them is first set, behind the accessors below.
    [[no_unique_address]] ItemText Text; // its 4 spare bytes hold the two flag bytes
    uint8_t Options = 0; // ItemOption bits, as stored in RVF
    uint8_t RuntimeFlags = 0;
    int32_t StyleNo = 0;
    int32_t ParaNo = 0;
    int32_t JumpIndex = 0;
    int32_t FirstDrawItemNo = -1;
    RvTag Tag;

    // Rare fields. Setting an empty hint, no word marks or no checkpoint makes no extras block,
    // and the block goes again once all three are empty.
    const std::string& Hint() const;
    void SetHint(std::string value);
    TRVWordPainterList* WordMarks() const;
    void SetWordMarks(std::unique_ptr<TRVWordPainterList> value);
    // Owned by the item; linked into its document's chain while the item is in a document.
    TRVCPInfo* AttachedCheckpoint() const;
    void SetAttachedCheckpoint(std::unique_ptr<TRVCPInfo> value);
    std::unique_ptr<TRVCPInfo> TakeAttachedCheckpoint();
    bool HasExtras() const { return FExtras != nullptr; }

    // Flag access. The setters keep the flags consistent: continuing a paragraph clears the page
    // break and the new line; a page break clears both others; a new line is refused by full-line
    // items and otherwise clears the continuation.
    bool ContinuesParagraph() const { return Options & rvioContinuesParagraph; }
    bool BreakPageBefore() const { return Options & rvioBreakPageBefore; }
    bool StartsNewLine() const { return Options & rvioStartsNewLine; }
    bool UnicodeText() const { return Options & rvioUnicodeText; }
    void SetContinuesParagraph(bool value);
    void SetBreakPageBefore(bool value);
    void SetStartsNewLine(bool value);
    void SetUnicodeText(bool value);

    // The text style a non-text item draws with; -1 for none.
    virtual int32_t DrawingTextStyle() const { return -1; }
    virtual void SetDrawingTextStyle(int32_t value) {}
    // The picture to use when the item is copied as an image.
    virtual const platform::Picture* PictureOf() const { return nullptr; }

    virtual bool BoolQuery(int code) const;
    virtual bool BoolQueryStyled(int code, const TRVStyle* style) const;

    // --- Layout hooks. Sizes are screen pixels unless said otherwise.
    // The narrowest width the item can take on the device: 20 pixels unless the kind knows.
    virtual int32_t NarrowestWidth(const ResolutionPair& resolution) const;
    // The item's own content size, without its border.
    virtual int32_t ContentWidth() const { return 0; }
    virtual int32_t ContentHeight() const { return 0; }
    // The empty border on the left and right, and on the top and bottom.
    virtual int32_t BorderWidth() const { return 0; }
    virtual int32_t BorderHeight() const { return 0; }
    // Called before the item is placed on a line; kinds that lay themselves out or measure a
    // caption do it here.
    virtual ItemLayoutSize MeasureForLayout(const ItemLayoutContext& context);

    // --- Painting hooks (item_paint.cpp). Until a kind paints its own content, a rect item
    // frames its box and a full-line item frames its line; a decoded picture is stretched into
    // its box. X and Y are the box's top-left corner on CANVAS.
    virtual void Paint(int x, int y, const TRVDrawLineInfo& drawItem, TRVStyle& style, ItemDrawState state,
                       platform::Canvas& canvas);
    // Full-line items paint across LEFT to RIGHT; CLIP is the canvas area being painted.
    virtual void PaintFullWidth(int left, int right, int y, const TRVDrawLineInfo& drawItem,
                                const platform::Rect& clip, TRVStyle& style, ItemDrawState state,
                                platform::Canvas& canvas);
    bool FullLine() const { return BoolQuery(rvbpFullLine); }
    bool Valid() const { return BoolQuery(rvbpValid); }
    bool ReadsDataLines() const { return BoolQuery(rvbpReadsDataLines); }

    // Raises rviaInserting with the item's Text; the handler may change it.
    virtual void BeforeInsertion(TCustomRVData& rvData);
    // The item has been placed at ItemNo of RVData; raises rviaInserted.
    virtual void AfterInsertion(TCustomRVData& rvData, int32_t itemNo);
    // Before the reader fills the item from a record of RVData.
    virtual void BeforeLoading(TCustomRVData& rvData) {}
    // After the reader has inserted the item.
    virtual void AfterLoading() {}
    // Palette displays do not exist on this platform, so there is nothing to prepare.
    virtual void RefreshPalette(TRVPaletteAction action, bool force) {}

    // Copies StyleNo (same class only), ParaNo, Options, Hint and the class's own fields; not the
    // text, tag or checkpoint, and not the contents of nested documents.
    virtual void AssignFrom(const TCustomRVItemInfo& source);
    // A new, default item of the same class, made for RVData.
    virtual std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const = 0;
    // A full copy: same class, AssignFrom, text and a duplicate of the tag. Nested documents
    // are copied as well (without recursion, so depth is not a concern).
    std::unique_ptr<TCustomRVItemInfo> MakeCopy(TCustomRVData* rvData) const;

    // Extra properties; each returns whether the item knows the property.
    virtual bool StoreExtraInt(int prop, int32_t value) { return false; }
    virtual bool FetchExtraInt(int prop, int32_t& value) const { return false; }
    virtual bool StoreExtraStr(int prop, const std::string& value);
    virtual bool FetchExtraStr(int prop, std::string& value) const;

    // Documents owned by the item (note texts, table cells). Releasing hands a document to the
    // caller so that deep nesting can be freed and copied without recursion.
    virtual int32_t NestedDocumentCount() const { return 0; }
    virtual TCustomRVData* NestedDocument(int32_t index) const { return nullptr; }
    virtual std::unique_ptr<TCustomRVData> ReleaseNestedDocument(int32_t index);

private:
    struct Extras;
    Extras& MakeExtras();
    void DropEmptyExtras();

    std::unique_ptr<Extras> FExtras;
};

// A document of 300,000 runs holds 300,000 of these: each byte here costs 300 KB there.
static_assert(sizeof(TCustomRVItemInfo) <= 56,
              "TCustomRVItemInfo grew past 56 bytes (one 64-byte heap block per item): put rare "
              "fields in its Extras block instead");

// A run of text in one text style (StyleNo 0 or more, or rvsDefStyle).
class TRVTextItemInfo : public TCustomRVItemInfo {
public:
    using TCustomRVItemInfo::TCustomRVItemInfo;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

static_assert(sizeof(TRVTextItemInfo) == sizeof(TCustomRVItemInfo),
              "text items are the bulk of a document: TRVTextItemInfo must add no fields");

// Base of every item that is not text.
class TRVNonTextItemInfo : public TCustomRVItemInfo {
public:
    using TCustomRVItemInfo::TCustomRVItemInfo;
    bool unremovable = false; // the editor refuses to delete the item

    void AssignFrom(const TCustomRVItemInfo& source) override;
    bool StoreExtraInt(int prop, int32_t value) override;
    bool FetchExtraInt(int prop, int32_t& value) const override;

    // Content plus the border on both sides, with 64-bit sums clamped to the 32-bit range.
    int32_t OuterWidth() const;
    int32_t OuterHeight() const;
};

// Items that occupy a line by themselves.
class TRVFullLineItemInfo : public TRVNonTextItemInfo {
public:
    using TRVNonTextItemInfo::TRVNonTextItemInfo;
    bool BoolQuery(int code) const override;
};

// Items drawn in a rectangle inside a line.
class TRVRectItemInfo : public TRVNonTextItemInfo {
public:
    using TRVNonTextItemInfo::TRVNonTextItemInfo;
    int32_t minheightonpage = 0;
    uint8_t Placement = 0; // 0 baseline; 1..4 middle, abstop, absbottom, absmiddle
    int32_t vshift = 0;    // percent of the height, or pixels with vshiftabs
    bool vshiftabs = false;

    // The empty border on each side in pixels; negative values are stored as 0.
    int32_t spacing() const { return Fspacing; }
    void SetSpacing(int32_t value) { Fspacing = value < 0 ? 0 : value; }
    int32_t BorderWidth() const override { return Fspacing; }
    int32_t BorderHeight() const override { return Fspacing; }
    // The border below the content lies below the baseline.
    ItemLayoutSize MeasureForLayout(const ItemLayoutContext& context) override;

    void AssignFrom(const TCustomRVItemInfo& source) override;
    bool StoreExtraInt(int prop, int32_t value) override;
    bool FetchExtraInt(int prop, int32_t& value) const override;

private:
    int32_t Fspacing = 1;
};

// The class of an item made by ItemAs<T>; raises "Can't get or set this kind of information for
// this item" when the item is of another class.
template <typename T>
T& ItemAs(TCustomRVItemInfo* item)
{
    T* typed = dynamic_cast<T*>(item);
    if (!typed)
        ThrowVellumError(messages::kWrongItemKind);
    return *typed;
}

} // namespace vellum
