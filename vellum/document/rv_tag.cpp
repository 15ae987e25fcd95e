#include "vellum/document/rv_tag.h"

#include <utility>

namespace vellum {

RvTag::RvTag(const RvTag& other)
{
    *this = other;
}

RvTag& RvTag::operator=(const RvTag& other)
{
    if (this == &other)
        return *this;
    if (const std::string* str = other.AsString())
        return *this = FromString(*str);
    Release();
    m_bits = other.m_bits;
    return *this;
}

RvTag& RvTag::operator=(RvTag&& other) noexcept
{
    if (this != &other) {
        Release();
        m_bits = std::exchange(other.m_bits, 0);
    }
    return *this;
}

void RvTag::Release()
{
    delete AsString();
    m_bits = 0;
}

RvTag RvTag::FromInt(int32_t value)
{
    RvTag tag;
    tag.m_bits = static_cast<uint64_t>(static_cast<uint32_t>(value)) << 32;
    return tag;
}

RvTag RvTag::FromString(std::string value)
{
    RvTag tag;
    // new keeps objects aligned to at least 8 bytes, so the lowest bit is free for the mark.
    tag.m_bits = reinterpret_cast<uint64_t>(new std::string(std::move(value))) | kStringBit;
    return tag;
}

bool RvTag::operator==(const RvTag& other) const
{
    const std::string* mine = AsString();
    const std::string* theirs = other.AsString();
    if (mine || theirs)
        return mine && theirs && *mine == *theirs;
    return m_bits == other.m_bits;
}

} // namespace vellum
