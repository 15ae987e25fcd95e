#include "platform/checked_math.h"

#include <cstdlib>

namespace platform {

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t result = MulDivWide(a, b, c);
    if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min())
        return -1;
    return int32_t(result);
}

int64_t MulDivWide(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return a;
    const int64_t product = int64_t(a) * int64_t(b);
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude = uint64_t(std::llabs(product));
    const uint64_t divisor = uint64_t(std::llabs(int64_t(c)));
    const int64_t rounded = int64_t((magnitude + divisor / 2) / divisor);
    return negative ? -rounded : rounded;
}

} // namespace platform
