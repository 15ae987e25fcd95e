#include "vellum/document/item_list.h"

#include <limits>

#include "vellum/vellum_error.h"

namespace vellum {

TCustomRVItemInfo* TRVItemList::operator[](int32_t index) const
{
    if (index < 0 || index >= Count())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    return FItems[static_cast<size_t>(index)].get();
}

void TRVItemList::Insert(int32_t index, std::unique_ptr<TCustomRVItemInfo> item)
{
    if (index < 0 || index > Count())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    // Item numbers are 32-bit everywhere; a list that could not be addressed is refused.
    if (Count() == std::numeric_limits<int32_t>::max())
        ThrowVellumError(messages::kItemIndexOutOfBounds);
    FItems.insert(FItems.begin() + index, std::move(item));
}

std::vector<std::unique_ptr<TCustomRVItemInfo>> TRVItemList::Extract(int32_t index, int32_t count)
{
    std::vector<std::unique_ptr<TCustomRVItemInfo>> taken;
    if (index < 0 || count <= 0 || index >= this->Count())
        return taken;
    if (count > this->Count() - index)
        count = this->Count() - index;
    auto first = FItems.begin() + index;
    taken.assign(std::make_move_iterator(first), std::make_move_iterator(first + count));
    FItems.erase(first, first + count);
    return taken;
}

std::vector<std::unique_ptr<TCustomRVItemInfo>> TRVItemList::ExtractAll()
{
    std::vector<std::unique_ptr<TCustomRVItemInfo>> taken;
    taken.swap(FItems);
    return taken;
}

int32_t TRVItemList::IndexOf(const TCustomRVItemInfo* item) const
{
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].get() == item)
            return static_cast<int32_t>(i);
    }
    return -1;
}

} // namespace vellum
