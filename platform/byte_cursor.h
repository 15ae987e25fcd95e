// A bounded reader over untrusted bytes with a sticky error: after the first read that does not
// fit, every read returns 0 (or an empty view) and moves nowhere, so a caller reads a whole
// header or record and checks Ok() once at the end. Nothing is allocated, so a huge length from
// a length field costs nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

class ByteCursor {
public:
    ByteCursor() = default;
    explicit ByteCursor(std::string_view bytes, size_t position = 0) : m_bytes(bytes) { Seek(position); }

    bool Ok() const { return m_ok; }
    void Fail() { m_ok = false; }
    size_t Position() const { return m_position; }
    size_t Size() const { return m_bytes.size(); }
    size_t Remaining() const { return m_ok ? m_bytes.size() - m_position : 0; }
    bool Has(size_t count) const { return Remaining() >= count; }
    bool AtEnd() const { return Remaining() == 0; }
    std::string_view Bytes() const { return m_bytes; }

    // Moves to POSITION, which must lie within the bytes.
    void Seek(size_t position)
    {
        if (position > m_bytes.size())
            m_ok = false;
        if (m_ok)
            m_position = position;
    }
    void Skip(size_t count) { Take(count); }

    // The byte OFFSET bytes past the cursor without moving; -1 past the end or after an error.
    int PeekAt(size_t offset) const
    {
        if (offset >= Remaining())
            return -1;
        return uint8_t(m_bytes[m_position + offset]);
    }
    int Peek() const { return PeekAt(0); }

    // Skips one byte when it equals B; true when it did.
    bool SkipIf(uint8_t b)
    {
        if (Peek() != b)
            return false;
        ++m_position;
        return true;
    }

    // COUNT bytes from the cursor as a view into the bytes, or an empty view (and the error)
    // when fewer are left.
    std::string_view Take(size_t count)
    {
        if (!Has(count)) {
            m_ok = false;
            return {};
        }
        std::string_view result = m_bytes.substr(m_position, count);
        m_position += count;
        return result;
    }
    std::string_view TakeRest() { return Take(Remaining()); }

    uint8_t ReadByte() { return uint8_t(Read(1, false)); }
    uint16_t ReadU16LE() { return uint16_t(Read(2, false)); }
    uint32_t ReadU32LE() { return uint32_t(Read(4, false)); }
    int16_t ReadI16LE() { return int16_t(ReadU16LE()); }
    int32_t ReadI32LE() { return int32_t(ReadU32LE()); }
    uint16_t ReadU16BE() { return uint16_t(Read(2, true)); }
    uint32_t ReadU32BE() { return uint32_t(Read(4, true)); }

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
    size_t m_position = 0;
    bool m_ok = true;
};

} // namespace platform
