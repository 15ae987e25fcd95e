// The ordered, owning list of a document's items, and the arena that holds their texts.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "vellum/document/custom_item_info.h"
#include "vellum/document/text_arena.h"

namespace vellum {

class TRVItemList {
public:
    // Every item of a list, taken out together with the arena their texts may be in. Members
    // are destroyed in reverse order, so the items go before the texts they point to.
    struct TakenItems {
        TextArena Texts;
        std::vector<std::unique_ptr<TCustomRVItemInfo>> Items;
    };

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    // Index checks raise "Item index is out of bounds".
    TCustomRVItemInfo* operator[](int32_t index) const;
    TCustomRVItemInfo* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }

    // Index 0 to Count (inclusive); a list of 2147483647 items refuses more.
    void Insert(int32_t index, std::unique_ptr<TCustomRVItemInfo> item);
    void Add(std::unique_ptr<TCustomRVItemInfo> item) { Insert(Count(), std::move(item)); }
    // Makes TEXT the bytes of ITEM, stored in this list's arena. Only for an item that is in
    // this list or about to be inserted into it.
    void StoreText(TCustomRVItemInfo& item, std::string_view text);
    // Room for COUNT more items without moving the list again; grows by at least half, so
    // that calls for every record never make appending quadratic.
    void ReserveMore(int32_t count);
    // Gives back unused room once a list is complete, when it is more than an eighth.
    void TrimCapacity();
    // Takes Count entries from Index out of the list and hands them to the caller; their texts
    // are copied out of the arena, which keeps the old bytes until the list is emptied.
    std::vector<std::unique_ptr<TCustomRVItemInfo>> Extract(int32_t index, int32_t count);
    // Empties the list and hands over its items with their arena, copying nothing.
    TakenItems ExtractAll();
    // Takes over the arena of items taken from another list, before they are added here.
    void AdoptTexts(TextArena&& texts) { FTexts.Adopt(std::move(texts)); }
    // Index of the entry holding Item, -1 when it is not in the list.
    int32_t IndexOf(const TCustomRVItemInfo* item) const;

private:
    std::vector<std::unique_ptr<TCustomRVItemInfo>> FItems;
    TextArena FTexts;
};

} // namespace vellum
