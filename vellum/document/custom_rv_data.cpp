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

void TCustomRVData::SetOwner(TCustomRVData* document, TCustomRVItemInfo* item)
{
    FOwnerDocument = document;
    FOwnerItem = item;
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

DocumentSettings& TCustomRVData::Settings()
{
    return OutermostDocument()->FSettings;
}

const DocumentSettings& TCustomRVData::Settings() const
{
    return OutermostDocument()->FSettings;
}

void TCustomRVData::SetDataState(DataStateFlag flag, bool on)
{
    if (on)
        DataState |= OptionBit<uint32_t>(flag);
    else
        DataState &= ~OptionBit<uint32_t>(flag);
}

// --- Item access -------------------------------------------------------------------------------

bool TCustomRVData::StartsParagraphAt(int32_t itemNo) const
{
    const TCustomRVItemInfo* item = Items[itemNo];
    return !item->ContinuesParagraph() && !item->StartsNewLine();
}

void TCustomRVData::SetPageBreakAt(int32_t itemNo, bool pageBreak)
{
    TCustomRVItemInfo* item = Items[itemNo];
    // A marker and the text after it stay together, so the break goes before the marker. The
    // first item has no item before it to look at.
    if (itemNo > 0 && Items[itemNo - 1]->StyleNo == rvsListMarker)
        item = Items[itemNo - 1];
    item->SetBreakPageBefore(pageBreak);
}

bool TCustomRVData::ExtraIntAt(int32_t itemNo, int prop, int32_t& value) const
{
    return Items[itemNo]->FetchExtraInt(prop, value);
}

bool TCustomRVData::ExtraStrAt(int32_t itemNo, int prop, std::string& value) const
{
    return Items[itemNo]->FetchExtraStr(prop, value);
}

int32_t TCustomRVData::FindControl(const RvHostedControl* ctrl) const
{
    for (int32_t i = 0; i < CountItems(); ++i) {
        auto* item = dynamic_cast<const TRVControlItemInfo*>(Items[i]);
        if (item && item->HostedControl.get() == ctrl)
            return i;
    }
    return -1;
}

// --- Building ----------------------------------------------------------------------------------

void TCustomRVData::ApplyParagraphRules(TCustomRVItemInfo& item)
{
    const TCustomRVItemInfo* last = Items.Last();
    // 1. An item without a paragraph number continues the current paragraph.
    if (item.ParaNo == -1 && last && !last->FullLine()) {
        item.SetContinuesParagraph(true);
        item.ParaNo = last->ParaNo;
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
    bool wantsNewLine = item.StartsNewLine() || !NewParagraphsAllowed;
    item.Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
    item.SetStartsNewLine(wantsNewLine && !Items.Empty());
    // 4. Paragraph number -1 becomes 0.
    if (item.ParaNo == -1)
        item.ParaNo = 0;
}

void TCustomRVData::TakeOverItemCheckpoint(TCustomRVItemInfo& item)
{
    if (item.AttachedCheckpoint) {
        std::unique_ptr<TRVCPInfo> own = std::move(item.AttachedCheckpoint);
        AppendCheckpoint(own->Name, own->RaiseEvent, std::move(own->Tag));
    }
    item.AttachedCheckpoint = TakeEndCheckpoint();
}

void TCustomRVData::AppendItem(const TRVRawByteString& text, std::unique_ptr<TCustomRVItemInfo> item)
{
    item->Text = text;
    AppendItem(std::move(item));
}

void TCustomRVData::AppendItem(std::unique_ptr<TCustomRVItemInfo> item)
{
    ApplyParagraphRules(*item);
    TakeOverItemCheckpoint(*item);
    item->RefreshPalette(Settings().PaletteMode(), false);
    item->BeforeInsertion(*this);
    int32_t index = CountItems();
    TCustomRVItemInfo* inserted = item.get();
    Items.Add(std::move(item));
    if (inserted->AttachedCheckpoint)
        LinkCheckpointAfter(inserted->AttachedCheckpoint.get(), LastCheckpoint, inserted, index);
    inserted->AfterInsertion(*this, index);
    RegisterNumbered(index);
}

void TCustomRVData::InsertItemAt(int32_t index, const TRVRawByteString& text,
                                 std::unique_ptr<TCustomRVItemInfo> item)
{
    item->Text = text;
    InsertItemAt(index, std::move(item));
}

void TCustomRVData::InsertItemAt(int32_t index, std::unique_ptr<TCustomRVItemInfo> item)
{
    if (index < 0 || index > CountItems())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    if (index == 0)
        item->Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
    item->BeforeInsertion(*this);
    TCustomRVItemInfo* inserted = item.get();
    TRVCPInfo* previous = inserted->AttachedCheckpoint ? FindCheckpointBefore(index) : nullptr;
    Items.Insert(index, std::move(item));
    if (inserted->AttachedCheckpoint)
        LinkCheckpointAfter(inserted->AttachedCheckpoint.get(), previous, inserted, index);
    inserted->AfterInsertion(*this, index);
    RegisterNumbered(index);
}

void TCustomRVData::PrepareItemForRemoval(int32_t itemNo)
{
    TCustomRVItemInfo* item = Items[itemNo];
    DoItemAction(rviaDestroying, item, item->Text);
    if (auto* control = dynamic_cast<TRVControlItemInfo*>(item))
        DoControlAction(rvcaDestroy, itemNo, control->HostedControl.get());
    if (item->AttachedCheckpoint)
        UnlinkCheckpoint(item->AttachedCheckpoint.get());
}

void TCustomRVData::FreeItems(std::vector<std::unique_ptr<TCustomRVItemInfo>> taken)
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
    for (auto& item : taken) {
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

void TCustomRVData::RemoveItems(int32_t index, int32_t count)
{
    if (count <= 0)
        return;
    if (index < 0 || index >= CountItems())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    count = std::min(count, CountItems() - index);
    for (int32_t i = index; i < index + count; ++i) {
        PrepareItemForRemoval(i);
        UnregisterNumbered(Items[i]);
    }
    FreeItems(Items.Extract(index, count));
    // The new first item cannot continue a paragraph that no longer exists.
    if (index == 0 && CountItems() > 0)
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

void TCustomRVData::TakeItemsFrom(TCustomRVData& source)
{
    if (&source == this)
        return;
    if (source.TagsArePChars() != TagsArePChars())
        ThrowVellumError(messages::kTagsTypeMismatch);
    // The items leave with their checkpoints; Source's chain and numbering lists go empty.
    source.Markers.Clear();
    source.Sequences.Clear();
    source.FirstCheckpoint = nullptr;
    source.LastCheckpoint = nullptr;
    source.CheckpointCount = source.EndCheckpoint ? 1 : 0;
    for (auto& item : source.Items.ExtractAll()) {
        if (item->ContinuesParagraph())
            item->ParaNo = -1;
        AppendItem(std::move(item));
    }
    std::unique_ptr<TRVCPInfo> end = source.TakeEndCheckpoint();
    if (!EndCheckpoint)
        SetEndCheckpoint(std::move(end));
    source.Clear();
}

void TCustomRVData::NormalizeParas(int32_t itemNo)
{
    if (Items.Empty())
        return;
    itemNo = std::clamp(itemNo, 0, CountItems() - 1);
    int32_t first = itemNo;
    while (first > 0 && !StartsParagraphAt(first))
        --first;
    int32_t paraNo = Items[first]->ParaNo;
    for (int32_t i = first + 1; i < CountItems() && !StartsParagraphAt(i); ++i)
        Items[i]->ParaNo = paraNo;
}

// --- Numbering lists ---------------------------------------------------------------------------

void TCustomRVData::RegisterNumbered(int32_t itemNo)
{
    TCustomRVItemInfo* item = Items[itemNo];
    if (auto* marker = dynamic_cast<TRVMarkerItemInfo*>(item)) {
        int32_t position = 0;
        for (int32_t i = itemNo - 1; i >= 0; --i) {
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
        for (int32_t i = itemNo - 1; i >= 0; --i) {
            if (auto* previous = dynamic_cast<TRVSeqItemInfo*>(Items[i])) {
                position = Sequences.IndexOf(previous) + 1;
                break;
            }
        }
        Sequences.InsertAt(position, seq);
    }
}

void TCustomRVData::UnregisterNumbered(TCustomRVItemInfo* item)
{
    if (auto* marker = dynamic_cast<TRVMarkerItemInfo*>(item))
        Markers.Remove(marker);
    else if (auto* seq = dynamic_cast<TRVSeqItemInfo*>(item))
        Sequences.Remove(seq);
}

// --- Checkpoint chain --------------------------------------------------------------------------

int32_t TCustomRVData::AppendCheckpoint(const std::string& name, bool raiseEvent, RvTag tag)
{
    if (!EndCheckpoint) {
        auto cp = std::make_unique<TRVCPInfo>();
        cp->Name = name;
        cp->RaiseEvent = raiseEvent;
        cp->Tag = std::move(tag);
        SetEndCheckpoint(std::move(cp));
    }
    return CheckpointCount - 1;
}

void TCustomRVData::LinkCheckpointAfter(TRVCPInfo* cp, TRVCPInfo* prev, TCustomRVItemInfo* item,
                                        int32_t itemNo)
{
    cp->Prev = prev;
    cp->Next = prev ? prev->Next : FirstCheckpoint;
    if (cp->Next)
        cp->Next->Prev = cp;
    else
        LastCheckpoint = cp;
    if (prev)
        prev->Next = cp;
    else
        FirstCheckpoint = cp;
    cp->ItemInfo = item;
    cp->ItemNo = itemNo;
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

TRVCPInfo* TCustomRVData::FindCheckpointBefore(int32_t itemNo) const
{
    if (itemNo >= CountItems())
        return LastCheckpoint;
    for (int32_t i = itemNo - 1; i >= 0; --i) {
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

void TCustomRVData::DoItemAction(ItemAction action, TCustomRVItemInfo* item,
                                 TRVRawByteString& text)
{
    const ItemActionEvent& handler = Settings().OnItemAction;
    if (handler)
        handler(action, item, text, this);
}

void TCustomRVData::DoControlAction(ControlAction action, int32_t itemNo, RvHostedControl* ctrl)
{
    const ControlActionEvent& handler = Settings().OnControlAction;
    if (handler)
        handler(action, itemNo, ctrl);
}

void TCustomRVData::DoAddStyle(TCustomRVInfo& style)
{
    const AddStyleEvent& handler = Settings().OnAddStyle;
    if (handler)
        handler(style);
}

} // namespace vellum
