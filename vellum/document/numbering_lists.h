// The lists in which a document keeps its numbered items in document order: list markers (for
// paragraph numbering) and sequence fields (notes included). Entries are not owned.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vellum {

class TRVMarkerItemInfo;
class TRVSeqItemInfo;

// Tells a listed item its new position; markers remember it, sequences do not.
void NoteListIndex(TRVMarkerItemInfo* item, int32_t index);
inline void NoteListIndex(TRVSeqItemInfo*, int32_t) {}

template <typename T>
class NumberingList {
public:
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    T* operator[](int32_t index) const { return FItems.at(static_cast<size_t>(index)); }
    int32_t IndexOf(const T* item) const
    {
        auto it = std::find(FItems.begin(), FItems.end(), item);
        return it == FItems.end() ? -1 : static_cast<int32_t>(it - FItems.begin());
    }
    void InsertAt(int32_t index, T* item)
    {
        index = std::clamp(index, 0, Count());
        FItems.insert(FItems.begin() + index, item);
        Reindex(index);
    }
    void Remove(T* item)
    {
        int32_t index = IndexOf(item);
        if (index < 0)
            return;
        NoteListIndex(item, -1);
        FItems.erase(FItems.begin() + index);
        Reindex(index);
    }
    void Clear()
    {
        for (T* item : FItems)
            NoteListIndex(item, -1);
        FItems.clear();
    }

private:
    void Reindex(int32_t from)
    {
        for (int32_t i = from; i < Count(); ++i)
            NoteListIndex(FItems[static_cast<size_t>(i)], i);
    }

    std::vector<T*> FItems;
};

// A nested document's marker list links to the list of the document that contains it, so that
// numbering continues from outside into table cells.
class TRVMarkerList : public NumberingList<TRVMarkerItemInfo> {
public:
    TRVMarkerList* ParentList = nullptr;
};

using SeqList = NumberingList<TRVSeqItemInfo>;

} // namespace vellum
