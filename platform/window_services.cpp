#include "platform/window_services.h"

#include <algorithm>

namespace platform {

int MaxScrollPosition(const ScrollBarInfo& info)
{
    const int64_t last = int64_t(info.max) - std::max(info.page - 1, 0);
    return int(std::max<int64_t>(last, info.min));
}

int ClampScrollPosition(const ScrollBarInfo& info, int position)
{
    return std::clamp(position, info.min, MaxScrollPosition(info));
}

bool CanScroll(const ScrollBarInfo& info)
{
    return info.max > info.min && int64_t(info.page) <= int64_t(info.max) - info.min;
}

} // namespace platform
