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

bool PropertyInfo::IsDefault(const Persistent& obj) const
{
    switch (Kind) {
    case PropertyKind::Integer:
    case PropertyKind::Enumeration:
    case PropertyKind::Set:
        return HasDefault && GetOrdinal(obj) == Default;
    case PropertyKind::String:
    case PropertyKind::Reference:
        return GetString(obj).empty();
    case PropertyKind::Object:
    case PropertyKind::Collection:
        return false;
    case PropertyKind::Picture:
        return GetPicture(obj) == nullptr;
    }
    return false;
}

uint64_t PropertyInfo::SetMask() const
{
    uint64_t mask = 0;
    for (size_t i = 0; i < ValueNames.size() && i < 64; ++i) {
        if (!ValueNames[i].empty())
            mask |= uint64_t{1} << i;
    }
    return mask;
}

int PropertyInfo::FindValue(std::string_view name) const
{
    for (size_t i = 0; i < ValueNames.size(); ++i) {
        if (!ValueNames[i].empty() && SameName(ValueNames[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

const PropertyInfo* Persistent::FindProperty(std::string_view name) const
{
    for (const PropertyInfo& p : Properties()) {
        if (SameName(p.Name, name))
            return &p;
    }
    return nullptr;
}

std::vector<PropertyInfo> JoinProperties(std::initializer_list<std::span<const PropertyInfo>> parts)
{
    std::vector<PropertyInfo> all;
    for (auto part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace vellum
