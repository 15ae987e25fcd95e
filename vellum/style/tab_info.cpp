#include "vellum/style/tab_info.h"

#include <algorithm>

#include "vellum/style/property_builders.h"

namespace vellum {

namespace {
constexpr std::string_view kTabAlignNames[] = {"rvtaLeft", "rvtaRight", "rvtaCenter"};
}

void TRVTabInfo::SetPosition(int32_t position)
{
    if (position == FPosition)
        return;
    FPosition = position;
    if (FCollection)
        FCollection->SortTabs();
}

void TRVTabInfo::Assign(const TRVTabInfo& source)
{
    Align = source.Align;
    Leader = source.Leader;
    SetPosition(source.FPosition);
}

bool TRVTabInfo::IsEqual(const TRVTabInfo& other) const
{
    return FPosition == other.FPosition && Align == other.Align && Leader == other.Leader;
}

std::span<const PropertyInfo> TRVTabInfo::Properties() const
{
    static const PropertyInfo table[] = {
        props::Enumeration<&TRVTabInfo::Align>("Align", kTabAlignNames, rvtaLeft),
        [] {
            PropertyInfo p;
            p.Name = "Position";
            p.GetOrdinal = [](const Persistent& o) -> int64_t {
                return static_cast<const TRVTabInfo&>(o).Position();
            };
            p.SetOrdinal = [](Persistent& o, int64_t v) {
                static_cast<TRVTabInfo&>(o).SetPosition(static_cast<int32_t>(v));
            };
            return p;
        }(),
        props::String<&TRVTabInfo::Leader>("Leader"),
    };
    return table;
}

TRVTabInfo& TRVTabInfos::Add()
{
    FItems.push_back(std::make_unique<TRVTabInfo>());
    FItems.back()->FCollection = this;
    return *FItems.back();
}

void TRVTabInfos::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

void TRVTabInfos::SortTabs()
{
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const auto& a, const auto& b) { return a->Position() < b->Position(); });
}

void TRVTabInfos::Assign(const TRVTabInfos& source)
{
    if (&source == this)
        return;
    Clear();
    for (const auto& tab : source.FItems)
        Add().Assign(*tab);
}

bool TRVTabInfos::IsEqual(const TRVTabInfos& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        if (!(*this)[i].IsEqual(other[i]))
            return false;
    }
    return true;
}

} // namespace vellum
