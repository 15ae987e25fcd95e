// Creating items by style number, as the RVF reader does, and the registry of item classes for
// the kinds that are not built in.
#pragma once

#include <cstdint>
#include <memory>

#include "vellum/document/custom_item_info.h"

namespace vellum {

// A class of items, represented by the function that creates a default instance of it.
using ItemInfoClass = std::unique_ptr<TCustomRVItemInfo> (*)(TCustomRVData* rvData);

template <typename T>
std::unique_ptr<TCustomRVItemInfo> CreateItemOfClass(TCustomRVData* rvData)
{
    return std::make_unique<T>(rvData);
}

struct TVellumItemTypeInfo {
    int32_t StyleNo;
    ItemInfoClass ItemClass;
};

// The class of text items (initially TRVTextItemInfo).
extern ItemInfoClass TextItemClass;
// A new text item of TextItemClass.
std::unique_ptr<TCustomRVItemInfo> CreateTextItem(TCustomRVData* rvData);

// Registers ItemClass for StyleNo. Only numbers below -9 are accepted; a number that is already
// registered with another class, or a number of -9 or more, raises "Can't register Vellum item
// type - this StyleNo is already registered". Registering the same pair again does nothing.
// Labels, sequences, footnotes, endnotes and note references are registered from the start;
// the table layer registers tables (rvsTable) itself.
void RegisterVellumItemClass(int32_t styleNo, ItemInfoClass itemClass);

// Makes an item for StyleNo with that StyleNo, or none for a number that names no item kind.
std::unique_ptr<TCustomRVItemInfo> CreateItemByStyleNo(TCustomRVData* rvData, int32_t styleNo);

} // namespace vellum
