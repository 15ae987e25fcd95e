#include "vellum/rvf/rvf_line_reader.h"

namespace vellum {
namespace {

// One lookup per byte keeps the text-line scan a tight loop.
struct LineStopTable {
    bool stop[256] = {};
    constexpr LineStopTable()
    {
        stop[0] = true;
        stop[static_cast<uint8_t>('\r')] = true;
        stop[static_cast<uint8_t>('\n')] = true;
    }
};
constexpr LineStopTable kLineStops;

uint16_t CodeUnitAt(std::string_view bytes, size_t pos)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[pos]) |
                                 (static_cast<uint8_t>(bytes[pos + 1]) << 8));
}

} // namespace

bool RvfLineReader::Fetch(RvfLine& line)
{
    switch (FMode) {
    case RvfLineMode::Binary:
        return FetchBinary(line);
    case RvfLineMode::Unicode:
        return FetchUnicode(line);
    case RvfLineMode::Text:
    case RvfLineMode::BinaryNext:
    case RvfLineMode::UnicodeNext:
    case RvfLineMode::UnicodeDone:
        line = FetchText();
        return true;
    }
    return false;
}

RvfLine RvfLineReader::FetchText()
{
    std::string_view all = FCursor.Bytes();
    size_t start = FCursor.Position();
    size_t end = start;
    while (end < all.size() && !kLineStops.stop[static_cast<uint8_t>(all[end])])
        ++end;
    FCursor.Seek(end);
    bool stalled = end == start && end < all.size() && all[end] == '\0';
    return {all.substr(start, end - start), stalled};
}

bool RvfLineReader::FetchBinary(RvfLine& line)
{
    uint32_t length = FCursor.ReadU32LE();
    if (!FCursor.Ok() || length > kMaxRvfBinaryBlock)
        return false;
    line = {FCursor.Take(length), false};
    return FCursor.Ok();
}

bool RvfLineReader::FetchUnicode(RvfLine& line)
{
    std::string_view all = FCursor.Bytes();
    size_t start = FCursor.Position();
    size_t end = start;
    while (all.size() - end >= 2) {
        uint16_t unit = CodeUnitAt(all, end);
        if (unit == 0x2029 || unit == 0)
            break;
        end += 2;
    }
    // A single byte left over is half a code unit: the data was cut.
    if (all.size() - end == 1)
        return false;
    FCursor.Seek(end);
    bool stalled = end == start && end < all.size();
    line = {all.substr(start, end - start), stalled && CodeUnitAt(all, end) == 0};
    return true;
}

bool RvfLineReader::Advance()
{
    switch (FMode) {
    case RvfLineMode::Text:
        FCursor.SkipIf('\r');
        FCursor.SkipIf('\n');
        return true;
    case RvfLineMode::BinaryNext:
        FMode = RvfLineMode::Binary;
        return SkipCrLf();
    case RvfLineMode::Binary:
        FMode = RvfLineMode::Text;
        return true;
    case RvfLineMode::UnicodeNext:
        FMode = RvfLineMode::Unicode;
        return SkipCrLf();
    case RvfLineMode::Unicode:
        SkipParagraphSeparator();
        return true;
    case RvfLineMode::UnicodeDone:
        SkipParagraphSeparator();
        FMode = RvfLineMode::Text;
        return true;
    }
    return false;
}

bool RvfLineReader::SkipCrLf()
{
    if (FCursor.Peek() != '\r' || FCursor.PeekAt(1) != '\n')
        return false;
    FCursor.Take(2);
    return true;
}

void RvfLineReader::SkipParagraphSeparator()
{
    if (FCursor.Peek() == 0x29 && FCursor.PeekAt(1) == 0x20)
        FCursor.Take(2);
}

} // namespace vellum
