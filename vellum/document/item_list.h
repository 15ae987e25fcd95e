// The ordered, owning list of a document's items.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVItemList {
public:
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    // Index checks raise "Item index is out of bounds".
    TCustomRVItemInfo* operator[](int32_t index) const;
    TCustomRVItemInfo* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }

    // Index 0 to Count (inclusive); a list of 2147483647 items refuses more.
    void Insert(int32_t index, std::unique_ptr<TCustomRVItemInfo> item);
    void Add(std::unique_ptr<TCustomRVItemInfo> item) { Insert(Count(), std::move(item)); }
    // Takes Count entries from Index out of the list and hands them to the caller.
    std::vector<std::unique_ptr<TCustomRVItemInfo>> Extract(int32_t index, int32_t count);
    std::vector<std::unique_ptr<TCustomRVItemInfo>> ExtractAll();
    // Index of the entry holding Item, -1 when it is not in the list.
    int32_t IndexOf(const TCustomRVItemInfo* item) const;

private:
    std::vector<std::unique_ptr<TCustomRVItemInfo>> FItems;
};

} // namespace vellum
