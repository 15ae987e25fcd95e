#include "vellum/style/persistent.h"

namespace vellum {

namespace {
// Property and value names match regardless of ASCII letter case, as stored names always did.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? char(a[i] + 32) : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? char(b[i] + 32) : b[i];
        if (x != y)
            return false;
    }
    return true;
}
} // namespace

bool TRVPropertyInfo::IsDefault(const TRVPersistent& obj) const
{
    switch (Kind) {
    case TRVPropertyKind::Integer:
    case TRVPropertyKind::Enumeration:
    case TRVPropertyKind::Set:
        return HasDefault && GetOrdinal(obj) == Default;
    case TRVPropertyKind::String:
    case TRVPropertyKind::Reference:
        return GetString(obj).empty();
    case TRVPropertyKind::Object:
    case TRVPropertyKind::Collection:
        return false;
    case TRVPropertyKind::Picture:
        return GetPicture(obj) == nullptr;
    }
    return false;
}

uint64_t TRVPropertyInfo::SetMask() const
{
    uint64_t mask = 0;
    for (size_t i = 0; i < ValueNames.size() && i < 64; ++i) {
        if (!ValueNames[i].empty())
            mask |= uint64_t{1} << i;
    }
    return mask;
}

int TRVPropertyInfo::FindValue(std::string_view name) const
{
    for (size_t i = 0; i < ValueNames.size(); ++i) {
        if (!ValueNames[i].empty() && SameName(ValueNames[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

const TRVPropertyInfo* TRVPersistent::FindProperty(std::string_view name) const
{
    for (const TRVPropertyInfo& p : Properties()) {
        if (SameName(p.Name, name))
            return &p;
    }
    return nullptr;
}

std::vector<TRVPropertyInfo> JoinProperties(std::initializer_list<std::span<const TRVPropertyInfo>> parts)
{
    std::vector<TRVPropertyInfo> all;
    for (auto part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace vellum
