// Checked arithmetic for counts, indexes and lengths, and the rounding multiply-divide that
// every conversion between units uses. Overflow is reported, never wrapped.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace platform {

template <typename T>
std::optional<T> CheckedAdd(T a, T b)
{
    T result;
    if (__builtin_add_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

template <typename T>
std::optional<T> CheckedSub(T a, T b)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

template <typename T>
std::optional<T> CheckedMul(T a, T b)
{
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

// a * b / c computed in 64 bits and rounded half away from zero. A zero divisor gives -1
// instead of trapping, and a result outside 32 bits gives -1 as well, as callers expect of it.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
// The same product and rounding kept in 64 bits, for lengths that may not fit 32 bits once
// converted; a zero divisor leaves A as it is.
int64_t MulDivWide(int32_t a, int32_t b, int32_t c);

} // namespace platform
