// A small set of enumeration values, stored as a bit mask with bit n for the value of ordinal n.
// Style records keep their flag sets in it so that masks never mix up their element types.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace vellum {

template <typename E>
class RvSet {
public:
    using Storage = uint64_t;

    constexpr RvSet() = default;
    constexpr RvSet(std::initializer_list<E> items)
    {
        for (E e : items)
            Include(e);
    }

    static constexpr RvSet FromMask(Storage mask)
    {
        RvSet s;
        s.FMask = mask;
        return s;
    }
    static constexpr Storage Bit(E e) { return Storage{1} << static_cast<unsigned>(e); }

    constexpr Storage Mask() const { return FMask; }
    constexpr bool Empty() const { return FMask == 0; }
    constexpr bool Contains(E e) const { return (FMask & Bit(e)) != 0; }
    constexpr RvSet& Include(E e)
    {
        FMask |= Bit(e);
        return *this;
    }
    constexpr RvSet& Exclude(E e)
    {
        FMask &= ~Bit(e);
        return *this;
    }
    constexpr RvSet& Set(E e, bool on) { return on ? Include(e) : Exclude(e); }

    friend constexpr bool operator==(RvSet a, RvSet b) = default;
    friend constexpr RvSet operator|(RvSet a, RvSet b) { return FromMask(a.FMask | b.FMask); }
    friend constexpr RvSet operator&(RvSet a, RvSet b) { return FromMask(a.FMask & b.FMask); }
    // Set difference: the elements of A that are not in B.
    friend constexpr RvSet operator-(RvSet a, RvSet b) { return FromMask(a.FMask & ~b.FMask); }

private:
    Storage FMask = 0;
};

} // namespace vellum
