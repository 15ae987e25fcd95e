// Bytes as readable text for tests: printable with non-printing characters as \xNN, or as hex.
#pragma once

#include <string>
#include <string_view>

namespace vellum::testing {

inline std::string Printable(std::string_view bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f) {
            out.push_back(c);
            continue;
        }
        out += "\\x";
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
    }
    return out;
}

// Every byte as two upper-case hex digits, as RVF hex bodies and the dump tool write them.
inline std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

} // namespace vellum::testing
