#include "vellum/document/custom_rv_data.h"

#include <algorithm>

#include "platform/checked_math.h"
#include "vellum/document/control_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/seq_item_info.h"
#include "vellum/document/item_registry.h"
#include "vellum/vellum_error.h"

namespace vellum {

namespace {

int32_t CheckedCount(int32_t count, int32_t delta)
{
    auto result = platform::CheckedAdd(count, delta);
    if (!result)
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    return *result;
}

} // namespace

TCustomRVData::TCustomRVData() = default;

TCustomRVData::~TCustomRVData()
{
    Clear();
}

// --- Nesting and settings ----------------------------------------------------------------------

void TCustomRVData::SetOwner(TCustomRVData* Document, TCustomRVItemInfo* Item)
{
    FOwnerDocument = Document;
    FOwnerItem = Item;
}

TCustomRVData* TCustomRVData::TopDocument()
{
    return OutermostDocument();
}

TCustomRVData* TCustomRVData::OutermostDocument()
{
    TCustomRVData* document = this;
    while (TCustomRVData* owner = document->OwnerDocument())
        document = owner;
    return document;
}

const TCustomRVData* TCustomRVData::OutermostDocument() const
{
    return const_cast<TCustomRVData*>(this)->OutermostDocument();
}

TRVDocumentSettings& TCustomRVData::Settings()
{
    return OutermostDocument()->FSettings;
}

const TRVDocumentSettings& TCustomRVData::Settings() const
{
    return OutermostDocument()->FSettings;
}

void TCustomRVData::SetDataState(TRVDataStateFlag Flag, bool On)
{
    if (On)
        DataState |= OptionBit<uint32_t>(Flag);
    else
        DataState &= ~OptionBit<uint32_t>(Flag);
}

// --- Item access -------------------------------------------------------------------------------

bool TCustomRVData::StartsParagraphAt(int32_t ItemNo) const
{
    const TCustomRVItemInfo* item = Items[ItemNo];
    return !item->ContinuesParagraph() && !item->StartsNewLine();
}

void TCustomRVData::SetPageBreakAt(int32_t ItemNo, bool PageBreak)
{
    TCustomRVItemInfo* item = Items[ItemNo];
    // A marker and the text after it stay together, so the break goes before the marker. The
    // first item has no item before it to look at.
    if (ItemNo > 0 && Items[ItemNo - 1]->StyleNo == rvsListMarker)
        item = Items[ItemNo - 1];
    item->SetBreakPageBefore(PageBreak);
}

bool TCustomRVData::ExtraIntAt(int32_t ItemNo, int Prop, int32_t& Value) const
{
    return Items[ItemNo]->FetchExtraInt(Prop, Value);
}

bool TCustomRVData::ExtraStrAt(int32_t ItemNo, int Prop, std::string& Value) const
{
    return Items[ItemNo]->FetchExtraStr(Prop, Value);
}

int32_t TCustomRVData::FindControl(const TRVHostedControl* ctrl) const
{
    for (int32_t i = 0; i < CountItems(); ++i) {
        auto* item = dynamic_cast<const TRVControlItemInfo*>(Items[i]);
        if (item && item->HostedControl.get() == ctrl)
            return i;
    }
    return -1;
}

// --- Building ----------------------------------------------------------------------------------

void TCustomRVData::ApplyParagraphRules(TCustomRVItemInfo& Item)
{
    const TCustomRVItemInfo* last = Items.Last();
    // 1. An item without a paragraph number continues the current paragraph.
    if (Item.ParaNo == -1 && last && !last->FullLine()) {
        Item.SetContinuesParagraph(true);
        Item.ParaNo = last->ParaNo;
        return;
    }
    // 2. A marker never ends a paragraph: give it an empty text to carry.
    if (last && last->StyleNo == rvsListMarker) {
        auto filler = CreateTextItem(this);
        filler->StyleNo = 0;
        filler->ParaNo = -1;
        AppendItem(TRVRawByteString(), std::move(filler));
    }
    // 3. The item starts a paragraph, or a line when asked or when paragraphs are not allowed.
    bool wantsNewLine = Item.StartsNewLine() || !NewParagraphsAllowed;
    Item.Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
    Item.SetStartsNewLine(wantsNewLine && !Items.Empty());
    // 4. Paragraph number -1 becomes 0.
    if (Item.ParaNo == -1)
        Item.ParaNo = 0;
}

void TCustomRVData::TakeOverItemCheckpoint(TCustomRVItemInfo& Item)
{
    if (Item.AttachedCheckpoint) {
        std::unique_ptr<TRVCPInfo> own = std::move(Item.AttachedCheckpoint);
        AppendCheckpoint(own->Name, own->RaiseEvent, std::move(own->Tag));
    }
    Item.AttachedCheckpoint = TakeEndCheckpoint();
}

void TCustomRVData::AppendItem(const TRVRawByteString& Text, std::unique_ptr<TCustomRVItemInfo> Item)
{
    Item->Text = Text;
    AppendItem(std::move(Item));
}

void TCustomRVData::AppendItem(std::unique_ptr<TCustomRVItemInfo> Item)
{
    ApplyParagraphRules(*Item);
    TakeOverItemCheckpoint(*Item);
    Item->RefreshPalette(Settings().PaletteMode(), false);
    Item->BeforeInsertion(*this);
    int32_t index = CountItems();
    TCustomRVItemInfo* item = Item.get();
    Items.Add(std::move(Item));
    if (item->AttachedCheckpoint)
        LinkCheckpointAfter(item->AttachedCheckpoint.get(), LastCheckpoint, item, index);
    item->AfterInsertion(*this, index);
    RegisterNumbered(index);
}

void TCustomRVData::InsertItemAt(int32_t Index, const TRVRawByteString& Text,
                                 std::unique_ptr<TCustomRVItemInfo> Item)
{
    Item->Text = Text;
    InsertItemAt(Index, std::move(Item));
}

void TCustomRVData::InsertItemAt(int32_t Index, std::unique_ptr<TCustomRVItemInfo> Item)
{
    if (Index < 0 || Index > CountItems())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    if (Index == 0)
        Item->Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
    Item->BeforeInsertion(*this);
    TCustomRVItemInfo* item = Item.get();
    TRVCPInfo* previous = item->AttachedCheckpoint ? FindCheckpointBefore(Index) : nullptr;
    Items.Insert(Index, std::move(Item));
    if (item->AttachedCheckpoint)
        LinkCheckpointAfter(item->AttachedCheckpoint.get(), previous, item, Index);
    item->AfterInsertion(*this, Index);
    RegisterNumbered(Index);
}

void TCustomRVData::PrepareItemForRemoval(int32_t ItemNo)
{
    TCustomRVItemInfo* item = Items[ItemNo];
    DoItemAction(rviaDestroying, item, item->Text);
    if (auto* control = dynamic_cast<TRVControlItemInfo*>(item))
        DoControlAction(rvcaDestroy, ItemNo, control->HostedControl.get());
    if (item->AttachedCheckpoint)
        UnlinkCheckpoint(item->AttachedCheckpoint.get());
}

void TCustomRVData::FreeItems(std::vector<std::unique_ptr<TCustomRVItemInfo>> Taken)
{
    // Documents owned by the items are taken out and freed from a work list, so that freeing
    // deeply nested notes or tables never recurses.
    std::vector<std::unique_ptr<TCustomRVData>> pending;
    auto release = [&](TCustomRVItemInfo& item) {
        for (int32_t i = 0; i < item.NestedDocumentCount(); ++i) {
            if (auto nested = item.ReleaseNestedDocument(i)) {
                // Its own owner goes away first; this document stays alive throughout.
                nested->SetOwner(this, nullptr);
                pending.push_back(std::move(nested));
            }
        }
    };
    for (auto& item : Taken) {
        release(*item);
        item.reset();
    }
    while (!pending.empty()) {
        std::unique_ptr<TCustomRVData> document = std::move(pending.back());
        pending.pop_back();
        for (int32_t i = 0; i < document->CountItems(); ++i)
            release(*document->Items[i]);
        document.reset();
    }
}

void TCustomRVData::RemoveItems(int32_t Index, int32_t Count)
{
    if (Count <= 0)
        return;
    if (Index < 0 || Index >= CountItems())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    Count = std::min(Count, CountItems() - Index);
    for (int32_t i = Index; i < Index + Count; ++i) {
        PrepareItemForRemoval(i);
        UnregisterNumbered(Items[i]);
    }
    FreeItems(Items.Extract(Index, Count));
    // The new first item cannot continue a paragraph that no longer exists.
    if (Index == 0 && CountItems() > 0)
        Items[0]->Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
}

void TCustomRVData::Clear()
{
    bool wasClearing = HasDataState(rvstClearing);
    SetDataState(rvstClearing, true);
    SetDataState(rvstFirstParaContinued, false);
    SetDataState(rvstLastParaContinued, false);
    ContinuedListNo = -1;
    ContinuedListLevel = -1;
    for (int32_t i = 0; i < CountItems(); ++i)
        PrepareItemForRemoval(i);
    Markers.Clear();
    Sequences.Clear();
    FreeItems(Items.ExtractAll());
    TakeEndCheckpoint();
    FirstCheckpoint = nullptr;
    LastCheckpoint = nullptr;
    if (!OwnerDocument() && FSettings.DocProperties)
        FSettings.DocProperties->clear();
    SetDataState(rvstClearing, wasClearing);
}

void TCustomRVData::TakeItemsFrom(TCustomRVData& Source)
{
    if (&Source == this)
        return;
    if (Source.TagsArePChars() != TagsArePChars())
        ThrowVellumError(messages::kTagsTypeMismatch);
    // The items leave with their checkpoints; Source's chain and numbering lists go empty.
    Source.Markers.Clear();
    Source.Sequences.Clear();
    Source.FirstCheckpoint = nullptr;
    Source.LastCheckpoint = nullptr;
    Source.CheckpointCount = Source.EndCheckpoint ? 1 : 0;
    for (auto& item : Source.Items.ExtractAll()) {
        if (item->ContinuesParagraph())
            item->ParaNo = -1;
        AppendItem(std::move(item));
    }
    std::unique_ptr<TRVCPInfo> end = Source.TakeEndCheckpoint();
    if (!EndCheckpoint)
        SetEndCheckpoint(std::move(end));
    Source.Clear();
}

void TCustomRVData::NormalizeParas(int32_t ItemNo)
{
    if (Items.Empty())
        return;
    ItemNo = std::clamp(ItemNo, 0, CountItems() - 1);
    int32_t first = ItemNo;
    while (first > 0 && !StartsParagraphAt(first))
        --first;
    int32_t paraNo = Items[first]->ParaNo;
    for (int32_t i = first + 1; i < CountItems() && !StartsParagraphAt(i); ++i)
        Items[i]->ParaNo = paraNo;
}

// --- Numbering lists ---------------------------------------------------------------------------

void TCustomRVData::RegisterNumbered(int32_t ItemNo)
{
    TCustomRVItemInfo* item = Items[ItemNo];
    if (auto* marker = dynamic_cast<TRVMarkerItemInfo*>(item)) {
        int32_t position = 0;
        for (int32_t i = ItemNo - 1; i >= 0; --i) {
            if (auto* previous = dynamic_cast<TRVMarkerItemInfo*>(Items[i])) {
                position = previous->MarkerListIndex + 1;
                break;
            }
        }
        Markers.InsertAt(position, marker);
        return;
    }
    if (auto* seq = dynamic_cast<TRVSeqItemInfo*>(item)) {
        int32_t position = 0;
        for (int32_t i = ItemNo - 1; i >= 0; --i) {
            if (auto* previous = dynamic_cast<TRVSeqItemInfo*>(Items[i])) {
                position = Sequences.IndexOf(previous) + 1;
                break;
            }
        }
        Sequences.InsertAt(position, seq);
    }
}

void TCustomRVData::UnregisterNumbered(TCustomRVItemInfo* Item)
{
    if (auto* marker = dynamic_cast<TRVMarkerItemInfo*>(Item))
        Markers.Remove(marker);
    else if (auto* seq = dynamic_cast<TRVSeqItemInfo*>(Item))
        Sequences.Remove(seq);
}

// --- Checkpoint chain --------------------------------------------------------------------------

int32_t TCustomRVData::AppendCheckpoint(const std::string& Name, bool RaiseEvent, TRVTag Tag)
{
    if (!EndCheckpoint) {
        auto cp = std::make_unique<TRVCPInfo>();
        cp->Name = Name;
        cp->RaiseEvent = RaiseEvent;
        cp->Tag = std::move(Tag);
        SetEndCheckpoint(std::move(cp));
    }
    return CheckpointCount - 1;
}

void TCustomRVData::LinkCheckpointAfter(TRVCPInfo* cp, TRVCPInfo* Prev, TCustomRVItemInfo* Item,
                                        int32_t ItemNo)
{
    cp->Prev = Prev;
    cp->Next = Prev ? Prev->Next : FirstCheckpoint;
    if (cp->Next)
        cp->Next->Prev = cp;
    else
        LastCheckpoint = cp;
    if (Prev)
        Prev->Next = cp;
    else
        FirstCheckpoint = cp;
    cp->ItemInfo = Item;
    cp->ItemNo = ItemNo;
    CheckpointCount = CheckedCount(CheckpointCount, 1);
}

void TCustomRVData::UnlinkCheckpoint(TRVCPInfo* cp)
{
    if (cp->Prev)
        cp->Prev->Next = cp->Next;
    else if (FirstCheckpoint == cp)
        FirstCheckpoint = cp->Next;
    if (cp->Next)
        cp->Next->Prev = cp->Prev;
    else if (LastCheckpoint == cp)
        LastCheckpoint = cp->Prev;
    cp->Next = nullptr;
    cp->Prev = nullptr;
    cp->ItemInfo = nullptr;
    CheckpointCount = CheckedCount(CheckpointCount, -1);
}

TRVCPInfo* TCustomRVData::FindCheckpointBefore(int32_t ItemNo) const
{
    if (ItemNo >= CountItems())
        return LastCheckpoint;
    for (int32_t i = ItemNo - 1; i >= 0; --i) {
        if (TRVCPInfo* cp = Items[i]->AttachedCheckpoint.get())
            return cp;
    }
    return nullptr;
}

void TCustomRVData::RenumberCheckpoints()
{
    int32_t chained = CheckpointCount - (EndCheckpoint ? 1 : 0);
    int32_t found = 0;
    for (int32_t i = 0; i < CountItems() && found < chained; ++i) {
        if (TRVCPInfo* cp = Items[i]->AttachedCheckpoint.get()) {
            cp->ItemNo = i;
            ++found;
        }
    }
}

int32_t TCustomRVData::CheckpointNo(const TRVCPInfo* cp) const
{
    int32_t number = 0;
    for (const TRVCPInfo* it = FirstCheckpoint; it; it = it->Next, ++number) {
        if (it == cp)
            return number;
    }
    if (cp && cp == EndCheckpoint.get())
        return number;
    return -1;
}

void TCustomRVData::SetEndCheckpoint(std::unique_ptr<TRVCPInfo> cp)
{
    if (!cp)
        return;
    TakeEndCheckpoint();
    cp->Next = nullptr;
    cp->Prev = nullptr;
    cp->ItemInfo = nullptr;
    cp->ItemNo = -1;
    EndCheckpoint = std::move(cp);
    CheckpointCount = CheckedCount(CheckpointCount, 1);
}

std::unique_ptr<TRVCPInfo> TCustomRVData::TakeEndCheckpoint()
{
    if (!EndCheckpoint)
        return nullptr;
    CheckpointCount = CheckedCount(CheckpointCount, -1);
    return std::move(EndCheckpoint);
}

// --- Events ------------------------------------------------------------------------------------

void TCustomRVData::DoItemAction(TRVItemAction Action, TCustomRVItemInfo* Item,
                                 TRVRawByteString& Text)
{
    const TRVItemActionEvent& handler = Settings().OnItemAction;
    if (handler)
        handler(Action, Item, Text, this);
}

void TCustomRVData::DoControlAction(TRVControlAction Action, int32_t ItemNo, TRVHostedControl* ctrl)
{
    const TRVControlActionEvent& handler = Settings().OnControlAction;
    if (handler)
        handler(Action, ItemNo, ctrl);
}

void TCustomRVData::DoAddStyle(TCustomRVInfo& Style)
{
    const TRVAddStyleEvent& handler = Settings().OnAddStyle;
    if (handler)
        handler(Style);
}

} // namespace vellum
