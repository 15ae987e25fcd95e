#include "vellum/rvf/rvf_hex.h"

namespace vellum {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RvfHexResult DecodeRvfHex(std::string_view hex)
{
    RvfHexResult result;
    if (hex.size() % 2 != 0) {
        result.complete = false;
        return result;
    }
    result.bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        int high = HexDigit(hex[i]);
        int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) {
            result.complete = false;
            break;
        }
        result.bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return result;
}

} // namespace vellum
