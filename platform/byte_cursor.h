// A bounded reader over untrusted bytes with a sticky error: after the first read that does not
// fit, every read returns 0 and moves nowhere, so a caller reads a whole header and checks Ok()
// once at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes, size_t offset = 0) : m_bytes(bytes)
    {
        Seek(offset);
    }

    bool Ok() const { return m_ok; }
    size_t Offset() const { return m_offset; }
    size_t Size() const { return m_bytes.size(); }
    size_t Remaining() const { return m_ok ? m_bytes.size() - m_offset : 0; }
    bool Has(size_t count) const { return Remaining() >= count; }
    void Fail() { m_ok = false; }

    void Seek(size_t offset)
    {
        if (offset > m_bytes.size())
            m_ok = false;
        if (m_ok)
            m_offset = offset;
    }
    void Skip(size_t count) { Take(count); }

    // COUNT bytes from the current offset, or an empty view once the data has run out.
    std::string_view Take(size_t count)
    {
        if (!Has(count)) {
            m_ok = false;
            return {};
        }
        std::string_view result = m_bytes.substr(m_offset, count);
        m_offset += count;
        return result;
    }

    uint8_t U8() { return uint8_t(Read(1, false)); }
    uint16_t U16() { return uint16_t(Read(2, false)); }
    uint32_t U32() { return uint32_t(Read(4, false)); }
    int16_t I16() { return int16_t(U16()); }
    int32_t I32() { return int32_t(U32()); }
    uint16_t U16BigEndian() { return uint16_t(Read(2, true)); }
    uint32_t U32BigEndian() { return uint32_t(Read(4, true)); }

private:
    uint64_t Read(size_t count, bool bigEndian)
    {
        std::string_view raw = Take(count);
        uint64_t value = 0;
        for (size_t i = 0; i < raw.size(); ++i) {
            const uint64_t byte = uint8_t(raw[i]);
            value |= bigEndian ? byte << (8 * (raw.size() - 1 - i)) : byte << (8 * i);
        }
        return value;
    }

    std::string_view m_bytes;
    size_t m_offset = 0;
    bool m_ok = true;
};

} // namespace platform
