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

std::unique_ptr<TCustomRVItemInfo> CreateTextItem(TCustomRVData* rvData)
{
    return TextItemClass(rvData);
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

ItemInfoClass BuiltInClass(int32_t styleNo)
{
    switch (styleNo) {
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

ItemInfoClass RegisteredClass(int32_t styleNo)
{
    for (const TVellumItemTypeInfo& entry : Registry()) {
        if (entry.StyleNo == styleNo)
            return entry.ItemClass;
    }
    return nullptr;
}

} // namespace

void RegisterVellumItemClass(int32_t styleNo, ItemInfoClass itemClass)
{
    if (styleNo >= -9 || !itemClass)
        ThrowVellumError(messages::kStyleNoRegistered);
    ItemInfoClass present = RegisteredClass(styleNo);
    if (present == itemClass)
        return;
    if (present)
        ThrowVellumError(messages::kStyleNoRegistered);
    Registry().push_back({styleNo, itemClass});
}

std::unique_ptr<TCustomRVItemInfo> CreateItemByStyleNo(TCustomRVData* rvData, int32_t styleNo)
{
    ItemInfoClass itemClass = styleNo >= 0 ? TextItemClass : BuiltInClass(styleNo);
    if (!itemClass)
        itemClass = RegisteredClass(styleNo);
    if (!itemClass)
        return nullptr;
    std::unique_ptr<TCustomRVItemInfo> item = itemClass(rvData);
    item->StyleNo = styleNo;
    return item;
}

} // namespace vellum
