#include "vellum/style/custom_rv_info.h"

#include <string>

#include "vellum/style/property_builders.h"
#include "vellum/vellum_error.h"

namespace vellum {

// ---- TCustomRVInfo ----

void TCustomRVInfo::Assign(const TCustomRVInfo& source)
{
    BaseStyleNo = source.BaseStyleNo;
    StyleName = source.StyleName;
    Standard = source.Standard;
    StyleTemplateId = source.StyleTemplateId;
}

bool TCustomRVInfo::EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const
{
    return true;
}

bool TCustomRVInfo::EqualMapped(const TCustomRVInfo& other, const TRVIntegerList& mapping) const
{
    return EqualTo(other, true);
}

int32_t TCustomRVInfo::Similarity(const TCustomRVInfo& other) const
{
    return 0;
}

int32_t TCustomRVInfo::MapReference(int32_t value, const TRVIntegerList& mapping)
{
    if (value < 0)
        return value;
    if (static_cast<size_t>(value) >= mapping.size())
        ThrowVellumError(("List index out of bounds (" + std::to_string(value) + ")").c_str());
    return mapping[static_cast<size_t>(value)];
}

bool TCustomRVInfo::MappedReferenceAgrees(int32_t reference, int32_t theirs, const TRVIntegerList& mapping)
{
    if (reference < 0 || static_cast<size_t>(reference) >= mapping.size())
        return true;
    return mapping[static_cast<size_t>(reference)] == theirs;
}

void TCustomRVInfo::RemapReferences(const TRVIntegerList& mapping, const TRVIntegerList* textMapping)
{
    BaseStyleNo = MapReference(BaseStyleNo, mapping);
}

std::span<const PropertyInfo> TCustomRVInfo::BaseProperties()
{
    static const PropertyInfo table[] = {
        props::Integer<&TCustomRVInfo::BaseStyleNo>("BaseStyleNo", -1),
        props::String<&TCustomRVInfo::StyleName>("StyleName"),
        props::Boolean<&TCustomRVInfo::Standard>("Standard", true),
        props::Integer<&TCustomRVInfo::StyleTemplateId>("StyleTemplateId", -1),
    };
    return table;
}

std::span<const PropertyInfo> TCustomRVInfo::Properties() const
{
    return BaseProperties();
}

// ---- TCustomRVInfos ----

TCustomRVInfos::~TCustomRVInfos() = default;

void TCustomRVInfos::Clear()
{
    FItems.clear();
}

void TCustomRVInfos::Delete(int index)
{
    if (!IsValidIndex(index))
        ThrowVellumError(("List index out of bounds (" + std::to_string(index) + ")").c_str());
    FItems.erase(FItems.begin() + index);
    RenumberFrom(index);
}

void TCustomRVInfos::RenumberFrom(int index)
{
    for (int i = index; i < Count(); ++i)
        FItems[static_cast<size_t>(i)]->FIndex = i;
}

TCustomRVInfo& TCustomRVInfos::Adopt(std::unique_ptr<TCustomRVInfo> item)
{
    item->FCollection = this;
    item->FIndex = Count();
    FItems.push_back(std::move(item));
    return *FItems.back();
}

TCustomRVInfo& TCustomRVInfos::AddInfo()
{
    return Adopt(CreateItem());
}

TCustomRVInfo& TCustomRVInfos::InfoAt(int styleNo)
{
    return const_cast<TCustomRVInfo&>(static_cast<const TCustomRVInfos&>(*this).InfoAt(styleNo));
}

const TCustomRVInfo& TCustomRVInfos::InfoAt(int styleNo) const
{
    if (IsValidIndex(styleNo))
        return *FItems[static_cast<size_t>(styleNo)];
    if (!FInvalidItem) {
        // Made once from style 0 as it is now; later changes to style 0 do not reach it.
        auto fallback = CreateItem();
        if (!FItems.empty())
            fallback->Assign(*FItems.front());
        MarkAsFallback(*fallback);
        fallback->FCollection = const_cast<TCustomRVInfos*>(this);
        FInvalidItem = std::move(fallback);
    }
    return *FInvalidItem;
}

void TCustomRVInfos::AssignFrom(const TCustomRVInfos& source)
{
    if (&source == this)
        return;
    Clear();
    for (const auto& item : source.FItems)
        AddInfo().Assign(*item);
}

std::vector<std::u16string> TCustomRVInfos::StyleNames() const
{
    std::vector<std::u16string> names;
    names.reserve(FItems.size());
    for (const auto& item : FItems)
        names.push_back(item->GetDisplayName());
    return names;
}

int TCustomRVInfos::BestMatch(const TCustomRVInfo& source,
                              const std::function<bool(const TCustomRVInfo&)>& accept) const
{
    int best = -1;
    int32_t bestScore = 0;
    for (int i = 0; i < Count(); ++i) {
        const TCustomRVInfo& candidate = *FItems[static_cast<size_t>(i)];
        if (!accept(candidate))
            continue;
        int32_t score = source.Similarity(candidate);
        if (best < 0 || score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

int TCustomRVInfos::FindMapTarget(const TCustomRVInfo& source) const
{
    return BestMatch(source, [](const TCustomRVInfo&) { return true; });
}

int TCustomRVInfos::FindMergeTarget(const TCustomRVInfo& source, int sourceNo,
                                    const TRVIntegerList& mapping, const std::vector<bool>& reserved) const
{
    auto acceptable = [&](int i) {
        return !reserved[static_cast<size_t>(i)] && source.EqualMapped(*FItems[static_cast<size_t>(i)], mapping);
    };
    if (IsValidIndex(sourceNo) && acceptable(sourceNo))
        return sourceNo;
    for (int i = 0; i < Count(); ++i) {
        if (acceptable(i))
            return i;
    }
    return -1;
}

int TCustomRVInfos::AppendCopy(const TCustomRVInfo& source, StyleAddedListener* ownerDocument)
{
    TCustomRVInfo& copy = AddInfo();
    copy.Assign(source);
    if (ownerDocument)
        ownerDocument->DoAddStyle(copy);
    return copy.Index();
}

void TCustomRVInfos::MergeStyles(const TCustomRVInfos& source, StyleMergeMode mode,
                                 StyleAddedListener* ownerDocument,
                                 const TRVIntegerList* textStyleMapping, TRVIntegerList& mapping)
{
    // 1. Start an empty mapping; everything from FIRSTADDED on is appended by this call.
    mapping.clear();
    const int firstAdded = Count();
    std::vector<bool> reserved(FItems.size(), false);
    for (int i = 0; i < source.Count(); ++i) {
        const TCustomRVInfo& incoming = *source.FItems[static_cast<size_t>(i)];
        int target = -1;
        switch (mode) {
        case rvsmmMerge:
            // 2. An equal style here (same number first), else a copy.
            target = FindMergeTarget(incoming, i, mapping, reserved);
            if (target < 0) {
                target = AppendCopy(incoming, ownerDocument);
                AppendedInMerge(incoming, InfoAt(target));
            }
            reserved.resize(FItems.size(), false);
            if (ReservesTarget(incoming))
                reserved[static_cast<size_t>(target)] = true;
            break;
        case rvsmmMap:
            // 3. The most similar style here; nothing is added.
            target = FindMapTarget(incoming);
            break;
        case rvsmmAppend:
            // 4. Always a copy.
            target = AppendCopy(incoming, ownerDocument);
            break;
        }
        mapping.push_back(target);
    }
    // 5. Appended styles are not the style sheet's own, and their references follow the mapping.
    for (int i = firstAdded; i < Count(); ++i) {
        TCustomRVInfo& added = *FItems[static_cast<size_t>(i)];
        added.Standard = false;
        added.RemapReferences(mapping, textStyleMapping);
    }
}

} // namespace vellum
