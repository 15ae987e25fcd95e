// A bounded reader over a block of bytes with a sticky error: after the first failed read
// every read returns an empty result without moving, and the caller checks Ok() once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vellum {

class ByteCursor {
public:
    ByteCursor() = default;
    explicit ByteCursor(std::string_view bytes) : FBytes(bytes) {}

    bool Ok() const { return !FFailed; }
    bool AtEnd() const { return FFailed || FPos >= FBytes.size(); }
    size_t Position() const { return FPos; }
    size_t Remaining() const { return FFailed ? 0 : FBytes.size() - FPos; }
    std::string_view Bytes() const { return FBytes; }

    void Fail() { FFailed = true; }
    // Moves to POS, which must lie within the block.
    void Seek(size_t pos);

    // The byte at the cursor without moving; -1 at the end or after an error.
    int Peek() const;
    int PeekAt(size_t offset) const;
    // Reads one byte; 0 (and the error) at the end.
    uint8_t ReadByte();
    // Skips one byte when it equals B; true when it did.
    bool SkipIf(uint8_t b);
    uint32_t ReadU32LE();
    // N bytes as a view into the block; the error when fewer than N are left. Nothing is
    // allocated, so a huge N from a length field costs nothing.
    std::string_view Take(size_t n);
    // Everything up to the end.
    std::string_view TakeRest();

private:
    std::string_view FBytes;
    size_t FPos = 0;
    bool FFailed = false;
};

} // namespace vellum
