// Tags of items and checkpoints: a 32-bit integer, or an owned byte string when the control
// keeps string tags. A tag is a value: copying it duplicates the string, destroying it frees it.
// It takes one word: the integer, or the string's address marked in its lowest bit, so that the
// integer tags of a large document cost nothing beyond the item.
#pragma once

#include <cstdint>
#include <string>

namespace vellum {

class RvTag {
public:
    RvTag() = default;
    RvTag(const RvTag& other);
    RvTag(RvTag&& other) noexcept : m_bits(other.m_bits) { other.m_bits = 0; }
    RvTag& operator=(const RvTag& other);
    RvTag& operator=(RvTag&& other) noexcept;
    ~RvTag() { Release(); }

    static RvTag FromInt(int32_t value);
    // An owned string; string tags without a string are "none".
    static RvTag FromString(std::string value);

    bool IsString() const { return (m_bits & kStringBit) != 0; }
    // True for integer 0 and for no string.
    bool IsEmpty() const { return m_bits == 0; }
    // The integer; 0 for string tags.
    int32_t AsInt() const { return IsString() ? 0 : static_cast<int32_t>(static_cast<uint32_t>(m_bits >> 32)); }
    // The string, or null for none (and for integer tags).
    const std::string* AsString() const
    {
        return IsString() ? reinterpret_cast<const std::string*>(m_bits & ~kStringBit) : nullptr;
    }

    // Strings compare as strings and only with strings; none equals none.
    bool operator==(const RvTag& other) const;

private:
    static constexpr uint64_t kStringBit = 1;
    void Release();

    // An integer in the upper half (lowest bit clear), or a std::string's address | kStringBit.
    uint64_t m_bits = 0;
};

static_assert(sizeof(void*) == sizeof(uint64_t), "tags keep a string's address in 64 bits");

} // namespace vellum
