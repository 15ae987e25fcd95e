#include "vellum/document/item_registry.h"

#include <vector>

#include "vellum/document/break_item_info.h"
#include "vellum/document/bullet_item_info.h"
#include "vellum/document/control_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"
#include "vellum/document/tab_item_info.h"
#include "vellum/vellum_error.h"

namespace vellum {

ItemInfoClass TextItemClass = &CreateItemOfClass<TRVTextItemInfo>;

std::unique_ptr<TCustomRVItemInfo> CreateTextItem(TCustomRVData* RVData)
{
    return TextItemClass(RVData);
}

namespace {

std::vector<TVellumItemTypeInfo>& Registry()
{
    // Built in at first use, so that no start-up order matters.
    static std::vector<TVellumItemTypeInfo> registry = {
        {rvsLabel, &CreateItemOfClass<TRVLabelItemInfo>},
        {rvsSequence, &CreateItemOfClass<TRVSeqItemInfo>},
        {rvsFootnote, &CreateItemOfClass<TRVFootnoteItemInfo>},
        {rvsEndnote, &CreateItemOfClass<TRVEndnoteItemInfo>},
        {rvsNoteReference, &CreateItemOfClass<TRVNoteReferenceItemInfo>},
    };
    return registry;
}

ItemInfoClass BuiltInClass(int32_t StyleNo)
{
    switch (StyleNo) {
    case rvsBreak: return &CreateItemOfClass<TRVBreakItemInfo>;
    case rvsPicture: return &CreateItemOfClass<TRVGraphicItemInfo>;
    case rvsHotspot: return &CreateItemOfClass<TRVHotspotItemInfo>;
    case rvsComponent: return &CreateItemOfClass<TRVControlItemInfo>;
    case rvsBullet: return &CreateItemOfClass<TRVBulletItemInfo>;
    case rvsHotPicture: return &CreateItemOfClass<TRVHotGraphicItemInfo>;
    case rvsListMarker: return &CreateItemOfClass<TRVMarkerItemInfo>;
    case rvsTab: return &CreateItemOfClass<TRVTabItemInfo>;
    default: return nullptr;
    }
}

ItemInfoClass RegisteredClass(int32_t StyleNo)
{
    for (const TVellumItemTypeInfo& entry : Registry()) {
        if (entry.StyleNo == StyleNo)
            return entry.ItemClass;
    }
    return nullptr;
}

} // namespace

void RegisterVellumItemClass(int32_t StyleNo, ItemInfoClass ItemClass)
{
    if (StyleNo >= -9 || !ItemClass)
        ThrowVellumError(messages::kStyleNoRegistered);
    ItemInfoClass present = RegisteredClass(StyleNo);
    if (present == ItemClass)
        return;
    if (present)
        ThrowVellumError(messages::kStyleNoRegistered);
    Registry().push_back({StyleNo, ItemClass});
}

std::unique_ptr<TCustomRVItemInfo> CreateItemByStyleNo(TCustomRVData* RVData, int32_t StyleNo)
{
    ItemInfoClass itemClass = StyleNo >= 0 ? TextItemClass : BuiltInClass(StyleNo);
    if (!itemClass)
        itemClass = RegisteredClass(StyleNo);
    if (!itemClass)
        return nullptr;
    std::unique_ptr<TCustomRVItemInfo> item = itemClass(RVData);
    item->StyleNo = StyleNo;
    return item;
}

} // namespace vellum
