#include "vellum/document/rv_tag.h"

#include <utility>

namespace vellum {

TRVTag TRVTag::FromInt(int32_t value)
{
    TRVTag tag;
    tag.FInt = value;
    return tag;
}

TRVTag TRVTag::FromString(std::string value)
{
    TRVTag tag;
    tag.FStr = std::move(value);
    return tag;
}

bool TRVTag::operator==(const TRVTag& other) const
{
    if (FStr || other.FStr)
        return FStr == other.FStr;
    return FInt == other.FInt;
}

} // namespace vellum
