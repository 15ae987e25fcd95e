// A style class's table of its numbered properties: for each property value, how to copy it from
// another style and how to compare it. Copying or comparing a chosen set of properties walks the
// table, so a new property is one row and a property without a row copies nothing and always
// compares equal.
#pragma once

#include <span>

namespace vellum::fields {

template <typename C, typename P>
struct Row {
    P id;
    void (*copy)(C& to, const C& from); // null: the property is compared but never copied
    bool (*equal)(const C& a, const C& b);
};

// The member at the end of PATH: At<&C::Border, &TRVBorder::Width>(style) is style.Border.Width.
template <auto... Path, typename T>
constexpr auto& At(T& object)
{
    return (object .* ... .* Path);
}

// A plain value, copied by assignment and compared with ==.
template <typename C, auto... Path, typename P>
constexpr Row<C, P> Value(P id)
{
    return {id, [](C& to, const C& from) { At<Path...>(to) = At<Path...>(from); },
            [](const C& a, const C& b) { return At<Path...>(a) == At<Path...>(b); }};
}

// A value that is compared but never copied.
template <typename C, auto... Path, typename P>
constexpr Row<C, P> CompareOnly(P id)
{
    return {id, nullptr, [](const C& a, const C& b) { return At<Path...>(a) == At<Path...>(b); }};
}

// One flag of a set member.
template <typename C, auto Member, auto Bit, typename P>
constexpr Row<C, P> Flag(P id)
{
    return {id, [](C& to, const C& from) { (to.*Member).Set(Bit, (from.*Member).Contains(Bit)); },
            [](const C& a, const C& b) { return (a.*Member).Contains(Bit) == (b.*Member).Contains(Bit); }};
}

// Copies the rows whose property is in PROPS from FROM to TO.
template <typename C, typename P, typename Set>
void CopySome(std::span<const Row<C, P>> rows, C& to, const C& from, const Set& props)
{
    for (const Row<C, P>& row : rows) {
        if (row.copy && props.Contains(row.id))
            row.copy(to, from);
    }
}

} // namespace vellum::fields
