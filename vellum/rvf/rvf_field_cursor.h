// Reads the space-separated fields of an RVF header line: integers, quoted strings, bare
// tokens. An integer whose magnitude does not fit 31 bits is an overflow, which is remembered
// so that the reader can end the pass whatever field it happened in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellum {

class RvfFieldCursor {
public:
    explicit RvfFieldCursor(std::string_view line) : FLine(line) {}

    bool AtLineEnd() const { return FPos >= FLine.size(); }
    bool Overflowed() const { return FOverflow; }
    int PeekChar() const { return AtLineEnd() ? -1 : static_cast<uint8_t>(FLine[FPos]); }
    std::string_view Rest() const { return FLine.substr(FPos); }

    // Optional "-", decimal digits, then a space (consumed) or the line's end. A "-" alone
    // reads as 0. Missing at the line's end, another character, or overflow: none, and the
    // cursor stays where the digits stopped.
    std::optional<int32_t> ReadInteger();
    // A double-quoted string with doubled quotes inside, followed by at most one space.
    // The raw content is returned undecoded; none when the field is not a complete quoted string.
    std::optional<std::string> ReadQuoted();
    // The bytes up to the next space (consumed) or the line's end; may be empty.
    std::string_view ReadToken();

private:
    void SkipOneSpace();

    std::string_view FLine;
    size_t FPos = 0;
    bool FOverflow = false;
};

// Turns the escapes of string fields and string lines back (byte 01 is CR, byte 02 is LF);
// with UTF8 the result is converted to the system code page.
std::string DecodeRvfString(std::string_view raw, bool utf8);

} // namespace vellum
