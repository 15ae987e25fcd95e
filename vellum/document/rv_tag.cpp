#include "vellum/document/rv_tag.h"

#include <utility>

namespace vellum {

RvTag RvTag::FromInt(int32_t value)
{
    RvTag tag;
    tag.FInt = value;
    return tag;
}

RvTag RvTag::FromString(std::string value)
{
    RvTag tag;
    tag.FStr = std::move(value);
    return tag;
}

bool RvTag::operator==(const RvTag& other) const
{
    if (FStr || other.FStr)
        return FStr == other.FStr;
    return FInt == other.FInt;
}

} // namespace vellum
