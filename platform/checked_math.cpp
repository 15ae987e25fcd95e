#include "platform/checked_math.h"

#include <cstdlib>

namespace platform {

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = int64_t(a) * int64_t(b);
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude = uint64_t(std::llabs(product));
    const uint64_t divisor = uint64_t(std::llabs(int64_t(c)));
    const uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > uint64_t(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0))
        return -1;
    return negative ? int32_t(-int64_t(rounded)) : int32_t(rounded);
}

} // namespace platform
