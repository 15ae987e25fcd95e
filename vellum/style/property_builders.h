// Helpers that build property table entries from member pointers, so that each class's table
// reads as a list of names and defaults.
#pragma once

#include <type_traits>

#include "vellum/style/persistent.h"
#include "vellum/style/rv_set.h"

namespace vellum::props {

template <typename T>
struct MemberOf;
template <typename C, typename V>
struct MemberOf<V C::*> {
    using Class = C;
    using Value = V;
};

template <typename T>
struct IsSet : std::false_type {};
template <typename E>
struct IsSet<RvSet<E>> : std::true_type {};

template <auto M>
using ClassOf = typename MemberOf<decltype(M)>::Class;
template <auto M>
using ValueOf = typename MemberOf<decltype(M)>::Value;

template <auto M>
int64_t GetOrdinal(const Persistent& obj)
{
    const auto& v = static_cast<const ClassOf<M>&>(obj).*M;
    if constexpr (IsSet<ValueOf<M>>::value)
        return static_cast<int64_t>(v.Mask());
    else
        return static_cast<int64_t>(v);
}

template <auto M>
void SetOrdinal(Persistent& obj, int64_t value)
{
    auto& v = static_cast<ClassOf<M>&>(obj).*M;
    using V = ValueOf<M>;
    if constexpr (IsSet<V>::value)
        v = V::FromMask(static_cast<uint64_t>(value));
    else if constexpr (std::is_same_v<V, bool>)
        v = value != 0;
    else
        v = static_cast<V>(value);
}

template <auto M>
std::u16string GetString(const Persistent& obj)
{
    return static_cast<const ClassOf<M>&>(obj).*M;
}

template <auto M>
void SetString(Persistent& obj, const std::u16string& value)
{
    static_cast<ClassOf<M>&>(obj).*M = value;
}

template <auto M>
const Persistent* GetObject(const Persistent& obj)
{
    return &(static_cast<const ClassOf<M>&>(obj).*M);
}

template <auto M>
Persistent* ObjectForWrite(Persistent& obj)
{
    return &(static_cast<ClassOf<M>&>(obj).*M);
}

template <auto M>
constexpr PropertyInfo Integer(std::string_view name, int64_t def,
                                  IntegerNameTable names = IntegerNameTable::None)
{
    PropertyInfo p;
    p.Name = name;
    p.Kind = PropertyKind::Integer;
    p.IntegerNames = names;
    p.HasDefault = true;
    p.Default = def;
    p.GetOrdinal = &GetOrdinal<M>;
    p.SetOrdinal = &SetOrdinal<M>;
    return p;
}

// An integer without a declared default: always written.
template <auto M>
constexpr PropertyInfo IntegerNoDefault(std::string_view name)
{
    PropertyInfo p = Integer<M>(name, 0);
    p.HasDefault = false;
    return p;
}

template <auto M>
constexpr PropertyInfo Enumeration(std::string_view name, std::span<const std::string_view> names,
                                      int64_t def)
{
    PropertyInfo p = Integer<M>(name, def);
    p.Kind = PropertyKind::Enumeration;
    p.ValueNames = names;
    return p;
}

template <auto M>
constexpr PropertyInfo Boolean(std::string_view name, bool def)
{
    return Enumeration<M>(name, kBooleanNames, def ? 1 : 0);
}

template <auto M>
constexpr PropertyInfo Set(std::string_view name, std::span<const std::string_view> names,
                              uint64_t def = 0)
{
    PropertyInfo p = Integer<M>(name, static_cast<int64_t>(def));
    p.Kind = PropertyKind::Set;
    p.ValueNames = names;
    return p;
}

template <auto M>
constexpr PropertyInfo String(std::string_view name)
{
    PropertyInfo p;
    p.Name = name;
    p.Kind = PropertyKind::String;
    p.GetString = &GetString<M>;
    p.SetString = &SetString<M>;
    return p;
}

template <auto M>
constexpr PropertyInfo Object(std::string_view name)
{
    PropertyInfo p;
    p.Name = name;
    p.Kind = PropertyKind::Object;
    p.GetObject = &GetObject<M>;
    p.ObjectForWrite = &ObjectForWrite<M>;
    return p;
}

// Marks P as accepted when read but never written (the setter may ignore the value).
constexpr PropertyInfo NotStored(PropertyInfo p)
{
    p.IsStored = [](const Persistent&) { return false; };
    return p;
}

} // namespace vellum::props
