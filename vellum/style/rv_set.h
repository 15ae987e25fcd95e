// A small set of enumeration values, stored as a bit mask with bit n for the value of ordinal n.
// Style records keep their flag sets in it so that masks never mix up their element types.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace vellum {

template <typename E>
class TRVSet {
public:
    using Storage = uint64_t;

    constexpr TRVSet() = default;
    constexpr TRVSet(std::initializer_list<E> items)
    {
        for (E e : items)
            Include(e);
    }

    static constexpr TRVSet FromMask(Storage mask)
    {
        TRVSet s;
        s.FMask = mask;
        return s;
    }
    static constexpr Storage Bit(E e) { return Storage{1} << static_cast<unsigned>(e); }

    constexpr Storage Mask() const { return FMask; }
    constexpr bool Empty() const { return FMask == 0; }
    constexpr bool Contains(E e) const { return (FMask & Bit(e)) != 0; }
    constexpr TRVSet& Include(E e)
    {
        FMask |= Bit(e);
        return *this;
    }
    constexpr TRVSet& Exclude(E e)
    {
        FMask &= ~Bit(e);
        return *this;
    }
    constexpr TRVSet& Set(E e, bool on) { return on ? Include(e) : Exclude(e); }

    friend constexpr bool operator==(TRVSet a, TRVSet b) = default;
    friend constexpr TRVSet operator|(TRVSet a, TRVSet b) { return FromMask(a.FMask | b.FMask); }
    friend constexpr TRVSet operator&(TRVSet a, TRVSet b) { return FromMask(a.FMask & b.FMask); }
    // Set difference: the elements of A that are not in B.
    friend constexpr TRVSet operator-(TRVSet a, TRVSet b) { return FromMask(a.FMask & ~b.FMask); }

private:
    Storage FMask = 0;
};

} // namespace vellum
