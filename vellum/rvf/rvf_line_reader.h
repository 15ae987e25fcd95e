// Finds the lines of an RVF block in place. Three line forms exist: text lines ended by CR LF
// (or a lone CR, a lone LF, a NUL or the end), binary blocks framed by a 4-byte length, and
// raw UTF-16 lines ended by U+2029. The record being processed switches between them.
#pragma once

#include "platform/byte_cursor.h"

#include <cstdint>
#include <string_view>

namespace vellum {

enum class RvfLineMode : uint8_t {
    Text = 0,        // CR LF lines
    BinaryNext = 1,  // a text line that must end with CR LF; a binary block follows
    Binary = 2,      // a 4-byte little-endian length and that many bytes
    UnicodeNext = 3, // a text line that must end with CR LF; raw UTF-16 lines follow
    Unicode = 4,     // UTF-16LE code units ended by U+2029
    UnicodeDone = 5, // after the last raw line of a record: skip its U+2029, then text lines
};

// Binary blocks longer than this are rejected, as a writer with 32-bit lengths never makes them.
constexpr uint32_t kMaxRvfBinaryBlock = 2147483643u;

struct RvfLine {
    std::string_view bytes;
    // The line is empty and stopped at a NUL byte or a U+0000 code unit: reading it would
    // never move the read position.
    bool stalled = false;
};

class RvfLineReader {
public:
    explicit RvfLineReader(std::string_view block) : FCursor(block) {}

    bool AtEnd() const { return FCursor.AtEnd(); }
    size_t Position() const { return FCursor.Position(); }
    RvfLineMode Mode() const { return FMode; }
    void SetMode(RvfLineMode mode) { FMode = mode; }

    // The next line in the current mode; false when the data cannot hold it (a binary block
    // that runs past the end, a raw UTF-16 line that ends inside a code unit).
    bool Fetch(RvfLine& line);
    // Moves past the terminator of the line just fetched; false when the mode demands a
    // CR LF that is not there.
    bool Advance();

private:
    RvfLine FetchText();
    bool FetchBinary(RvfLine& line);
    bool FetchUnicode(RvfLine& line);
    bool SkipCrLf();
    void SkipParagraphSeparator();

    platform::ByteCursor FCursor;
    RvfLineMode FMode = RvfLineMode::Text;
};

} // namespace vellum
