#include "tools/cli_json.h"

#include <cstdint>
#include <cstdio>

namespace wenlocke::cli {
namespace {

// Length of the valid UTF-8 sequence starting at POS, 0 when it is not valid.
size_t Utf8SequenceLength(std::string_view s, size_t pos)
{
    auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    uint8_t lead = byte(pos);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                  : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || pos + length > s.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
    if (length == 3) {
        uint32_t cp = ((lead & 0x0F) << 12) | ((byte(pos + 1) & 0x3F) << 6);
        if (cp < 0x800 || (cp >= 0xD800 && cp < 0xE000))
            return 0;
    }
    if (length == 4) {
        uint32_t cp = ((lead & 0x07) << 18) | ((byte(pos + 1) & 0x3F) << 12);
        if (cp < 0x10000 || cp > 0x10FFFF)
            return 0;
    }
    return length;
}

void AppendEscaped(std::string& out, char c)
{
    switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    if (static_cast<uint8_t>(c) < 0x20) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(static_cast<uint8_t>(c)));
        out += buffer;
        return;
    }
    out.push_back(c);
}

} // namespace

std::string JsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (size_t pos = 0; pos < utf8.size();) {
        size_t length = Utf8SequenceLength(utf8, pos);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++pos;
        } else if (length == 1) {
            AppendEscaped(out, utf8[pos++]);
        } else {
            out.append(utf8.substr(pos, length));
            pos += length;
        }
    }
    return out + "\"";
}

} // namespace wenlocke::cli
