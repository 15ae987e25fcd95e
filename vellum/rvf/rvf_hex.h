// Hex text as RVF writes bodies and hex Unicode lines: two hex digits a byte, either case.
#pragma once

#include <string>
#include <string_view>

namespace vellum {

struct RvfHexResult {
    std::string bytes;
    bool complete = true; // false when the text had odd length or a non-hex character
};

// An odd-length text decodes to nothing; a non-hex character ends the decoding there.
RvfHexResult DecodeRvfHex(std::string_view hex);

} // namespace vellum
