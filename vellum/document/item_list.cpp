#include "vellum/document/item_list.h"

#include <limits>

#include "vellum/vellum_error.h"

namespace vellum {

TCustomRVItemInfo* TRVItemList::operator[](int32_t Index) const
{
    if (Index < 0 || Index >= Count())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    return FItems[static_cast<size_t>(Index)].get();
}

void TRVItemList::Insert(int32_t Index, std::unique_ptr<TCustomRVItemInfo> Item)
{
    if (Index < 0 || Index > Count())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    // Item numbers are 32-bit everywhere; a list that could not be addressed is refused.
    if (Count() == std::numeric_limits<int32_t>::max())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    FItems.insert(FItems.begin() + Index, std::move(Item));
}

std::vector<std::unique_ptr<TCustomRVItemInfo>> TRVItemList::Extract(int32_t Index, int32_t Count)
{
    std::vector<std::unique_ptr<TCustomRVItemInfo>> taken;
    if (Index < 0 || Count <= 0 || Index >= this->Count())
        return taken;
    if (Count > this->Count() - Index)
        Count = this->Count() - Index;
    auto first = FItems.begin() + Index;
    taken.assign(std::make_move_iterator(first), std::make_move_iterator(first + Count));
    FItems.erase(first, first + Count);
    return taken;
}

std::vector<std::unique_ptr<TCustomRVItemInfo>> TRVItemList::ExtractAll()
{
    std::vector<std::unique_ptr<TCustomRVItemInfo>> taken;
    taken.swap(FItems);
    return taken;
}

int32_t TRVItemList::IndexOf(const TCustomRVItemInfo* Item) const
{
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].get() == Item)
            return static_cast<int32_t>(i);
    }
    return -1;
}

} // namespace vellum
