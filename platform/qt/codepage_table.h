// The conversion tables of one code page: built once, on first use, from the C library's
// converters, then used for every conversion without calling the converter again.
#pragma once

#include "platform/codepage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

// An encode entry for a character the code page lacks.
constexpr uint16_t kUnmappedBytes = 0xFFFF;

struct CodePageTable {
    CodePage codePage = 0;
    bool doubleByte = false;
    bool asciiIdentity = true;             // bytes 00-7F are the characters U+0000-U+007F
    std::array<char16_t, 256> single{};    // a byte standing alone (U+FFFD for a lone lead byte)
    std::array<bool, 256> lead{};          // our own lead-byte ranges
    std::array<bool, 256> trail{};
    std::vector<char16_t> pairs;           // double-byte only: [lead << 8 | trail], U+FFFD unmapped
    std::vector<uint16_t> encode;          // [UTF-16 unit]: one byte (< 0x100), two bytes
                                           // (first << 8 | second) or kUnmappedBytes
};

// The table of a supported code page other than UTF-8; any other code page gets the table of
// SystemCodePage(). Thread-safe; the table lives as long as the program.
const CodePageTable& CodePageTableOf(CodePage codePage);

} // namespace platform
