#include "vellum/rvf/byte_cursor.h"

namespace vellum {

void ByteCursor::Seek(size_t pos)
{
    if (FFailed)
        return;
    if (pos > FBytes.size()) {
        FFailed = true;
        return;
    }
    FPos = pos;
}

int ByteCursor::Peek() const
{
    return PeekAt(0);
}

int ByteCursor::PeekAt(size_t offset) const
{
    if (FFailed || offset >= FBytes.size() - FPos)
        return -1;
    return static_cast<uint8_t>(FBytes[FPos + offset]);
}

uint8_t ByteCursor::ReadByte()
{
    std::string_view b = Take(1);
    return b.empty() ? 0 : static_cast<uint8_t>(b[0]);
}

bool ByteCursor::SkipIf(uint8_t b)
{
    if (Peek() != b)
        return false;
    ++FPos;
    return true;
}

uint32_t ByteCursor::ReadU32LE()
{
    std::string_view b = Take(4);
    if (b.size() != 4)
        return 0;
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(b[i]);
    return value;
}

std::string_view ByteCursor::Take(size_t n)
{
    if (FFailed || n > FBytes.size() - FPos) {
        FFailed = true;
        return {};
    }
    std::string_view result = FBytes.substr(FPos, n);
    FPos += n;
    return result;
}

std::string_view ByteCursor::TakeRest()
{
    return Take(Remaining());
}

} // namespace vellum
