// A document: a flat, ordered list of items plus a chain of checkpoints. Paragraphs and lines
// are runs of items delimited by the items' own flags; there is no paragraph object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/codepage.h"
#include "vellum/document/custom_item_info.h"
#include "vellum/document/item_list.h"
#include "vellum/document/numbering_lists.h"
#include "vellum/document/rv_document_settings.h"
#include "vellum/style/custom_rv_info.h"

namespace vellum {

class RvHostedControl;

class TCustomRVData : public StyleAddedListener {
public:
    TCustomRVData();
    ~TCustomRVData() override;
    TCustomRVData(const TCustomRVData&) = delete;
    TCustomRVData& operator=(const TCustomRVData&) = delete;

    int32_t FirstJumpNo = 0;
    TRVItemList Items;
    bool NewParagraphsAllowed = true;
    TRVCPInfo* FirstCheckpoint = nullptr;
    TRVCPInfo* LastCheckpoint = nullptr;
    // A checkpoint of no item, standing after the last item; counted in CheckpointCount.
    std::unique_ptr<TRVCPInfo> EndCheckpoint;
    uint32_t DataState = 0;
    int32_t ContinuedListNo = -1;
    int32_t ContinuedListLevel = -1;
    int32_t CheckpointCount = 0;
    TRVMarkerList Markers;
    SeqList Sequences;

    // --- Nesting and settings ---------------------------------------------------------------
    // The document that contains the item owning this one; none for a top-level document.
    virtual TCustomRVData* OwnerDocument() const { return FOwnerDocument; }
    // The item owning this document; none for a top-level document.
    virtual TCustomRVItemInfo* OwnerItem() const { return FOwnerItem; }
    void SetOwner(TCustomRVData* document, TCustomRVItemInfo* item);
    TCustomRVData* TopDocument();
    TCustomRVData* OutermostDocument();
    const TCustomRVData* OutermostDocument() const;
    // Table cells refuse page breaks.
    virtual bool AllowsPageBreaks() const { return true; }
    // The settings of the control that owns the root document.
    DocumentSettings& Settings();
    const DocumentSettings& Settings() const;
    TRVStyle* GetRVStyle() const { return Settings().Style; }
    bool TagsArePChars() const { return HasOption(Settings().Options, rvoTagsArePChars); }
    bool HasDataState(DataStateFlag flag) const { return HasOption(DataState, flag); }
    void SetDataState(DataStateFlag flag, bool on);

    // --- Item access (index checks raise "Item index is out of bounds") ----------------------
    int32_t CountItems() const { return Items.Count(); }
    TCustomRVItemInfo* ItemAt(int32_t itemNo) const { return Items[itemNo]; }
    const TRVRawByteString& TextAt(int32_t itemNo) const { return Items[itemNo]->Text; }
    // The text as 8-bit bytes: UTF-16 text is converted with the code page of its style.
    TRVRawByteString SingleByteTextAt(int32_t itemNo) const;
    int32_t StyleAt(int32_t itemNo) const { return EffectiveStyleNo(*Items[itemNo]); }
    int32_t ParaAt(int32_t itemNo) const { return Items[itemNo]->ParaNo; }
    const RvTag& TagAt(int32_t itemNo) const { return Items[itemNo]->Tag; }
    uint8_t OptionsAt(int32_t itemNo) const { return Items[itemNo]->Options; }
    TRVCPInfo* CheckpointAt(int32_t itemNo) const { return Items[itemNo]->AttachedCheckpoint.get(); }
    bool StartsLineAt(int32_t itemNo) const { return !Items[itemNo]->ContinuesParagraph(); }
    bool StartsParagraphAt(int32_t itemNo) const;
    bool PageBreakAt(int32_t itemNo) const { return Items[itemNo]->BreakPageBefore(); }
    void SetPageBreakAt(int32_t itemNo, bool pageBreak);
    bool ExtraIntAt(int32_t itemNo, int prop, int32_t& value) const;
    bool ExtraStrAt(int32_t itemNo, int prop, std::string& value) const;
    int32_t FindControl(const RvHostedControl* ctrl) const;
    // The item's StyleNo; rvsDefStyle yields the DefStyleNo of the item's paragraph style, or 0
    // when that is negative or there is no style sheet.
    int32_t EffectiveStyleNo(const TCustomRVItemInfo& item) const;
    // The code page of 8-bit text in text style StyleNo: 0 without a style sheet; the style
    // sheet's default for negative numbers and default-charset styles; else the charset's.
    platform::CodePage CodePageOfStyle(int32_t styleNo) const;

    // --- Building -----------------------------------------------------------------------------
    // Appends with the paragraph rules; the item's own checkpoint becomes its checkpoint. Text
    // becomes the item's Text (the forms without Text keep the item's own).
    void AppendItem(const TRVRawByteString& text, std::unique_ptr<TCustomRVItemInfo> item);
    void AppendItem(std::unique_ptr<TCustomRVItemInfo> item);
    // Inserts without paragraph rules: the item's flags and ParaNo are taken as they are
    // (except that the first item never continues a paragraph). A checkpoint the item carries is
    // linked into the chain at its place.
    void InsertItemAt(int32_t index, const TRVRawByteString& text,
                      std::unique_ptr<TCustomRVItemInfo> item);
    void InsertItemAt(int32_t index, std::unique_ptr<TCustomRVItemInfo> item);
    // Appends plain text: CR, LF, CR LF, LF CR and FF end paragraphs (FF with a page break),
    // tabs become tab items when the style sheet's SpacesInTab is 0 or less. The first line
    // starts a paragraph numbered FirstParaNo when that is 0 or more, else continues the current
    // one; later lines start paragraphs numbered ParaNo, or lines of one paragraph when
    // OneParagraph is set. SingleByte says that Text is 8-bit (converted for Unicode styles)
    // rather than UTF-16LE already. Every item gets a copy of Tag. False when an error stopped
    // it; what was appended stays.
    bool AppendTextLines(std::string_view text, int32_t styleNo, int32_t firstParaNo,
                         int32_t paraNo, bool oneParagraph, bool singleByte, const RvTag& tag);
    // Creates the end checkpoint unless one is pending; returns its number in the chain.
    int32_t AppendCheckpoint(const std::string& name, bool raiseEvent, RvTag tag);
    void RemoveItems(int32_t index, int32_t count);
    void Clear();
    // Moves every item of Source here with AppendItem, then clears Source.
    void TakeItemsFrom(TCustomRVData& source);
    // Gives every item of the paragraph holding ItemNo the paragraph number of its first item.
    void NormalizeParas(int32_t itemNo);

    // --- Checkpoint chain ----------------------------------------------------------------------
    // The last chained checkpoint attached to an item before ItemNo; none if there is none.
    TRVCPInfo* FindCheckpointBefore(int32_t itemNo) const;
    // Stores each attached checkpoint's item index in its ItemNo.
    void RenumberCheckpoints();
    // Position in the chain (the end checkpoint last); -1 when not in this document.
    int32_t CheckpointNo(const TRVCPInfo* cp) const;
    void SetEndCheckpoint(std::unique_ptr<TRVCPInfo> cp);
    std::unique_ptr<TRVCPInfo> TakeEndCheckpoint();

    // --- Events ---------------------------------------------------------------------------------
    void DoItemAction(ItemAction action, TCustomRVItemInfo* item, TRVRawByteString& text);
    void DoControlAction(ControlAction action, int32_t itemNo, RvHostedControl* ctrl);
    // A style merge appended Style: the outermost document's OnAddStyle hears of it.
    void DoAddStyle(TCustomRVInfo& style) override;

protected:
    // The document's own settings, used when it is a root.
    DocumentSettings FSettings;

private:
    void ApplyParagraphRules(TCustomRVItemInfo& item);
    void TakeOverItemCheckpoint(TCustomRVItemInfo& item);
    void LinkCheckpointAfter(TRVCPInfo* cp, TRVCPInfo* prev, TCustomRVItemInfo* item,
                             int32_t itemNo);
    void UnlinkCheckpoint(TRVCPInfo* cp);
    void RegisterNumbered(int32_t itemNo);
    void UnregisterNumbered(TCustomRVItemInfo* item);
    void PrepareItemForRemoval(int32_t itemNo);
    void FreeItems(std::vector<std::unique_ptr<TCustomRVItemInfo>> items);
    // The paragraph number an appended item with ParaNo would end up with.
    int32_t ParaNoForAppend(int32_t paraNo) const;
    class TextLineAppender;

    TCustomRVData* FOwnerDocument = nullptr;
    TCustomRVItemInfo* FOwnerItem = nullptr;
};

// The document of a note's text.
class NoteData : public TCustomRVData {
};

} // namespace vellum
