// Upper-casing from Qt's Unicode tables (single-character mappings only, so ß stays ß).
#include "platform/char_case.h"

#include "platform/qt/byte_chars.h"
#include "platform/text_walk.h"

#include <QChar>

#include <array>
#include <map>

namespace platform {
namespace {

using ByteTable = std::array<uint8_t, 256>;

// The upper case of every single-byte character of CODEPAGE, where it is again one byte that
// shows that upper case; other bytes map to themselves.
ByteTable BuildUpperTable(CodePage codePage)
{
    ByteChars& chars = ByteChars::ForCodePage(codePage);
    ByteTable table;
    for (int b = 0; b < 256; ++b) {
        table[size_t(b)] = uint8_t(b);
        const char16_t c = chars.Single(uint8_t(b));
        const char32_t upper = QChar::toUpper(char32_t(c));
        if (upper == c || upper > 0xFFFF)
            continue;
        const char16_t unit = char16_t(upper);
        const std::string encoded = FromUtf16(std::u16string_view(&unit, 1), codePage);
        if (encoded.size() != 1)
            continue;
        const uint8_t to = uint8_t(encoded[0]);
        if (!chars.IsLead(to) && chars.Single(to) == unit)
            table[size_t(b)] = to;
    }
    return table;
}

// Tables are kept for the process's life; like the drawing layer they serve the user-interface
// thread only.
const ByteTable& UpperTable(CodePage codePage)
{
    static std::map<CodePage, ByteTable> tables;
    auto found = tables.find(codePage);
    if (found == tables.end())
        found = tables.emplace(codePage, BuildUpperTable(codePage)).first;
    return found->second;
}

} // namespace

std::u16string UpperCaseUtf16(std::u16string_view text)
{
    std::u16string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        if (IsHighSurrogate(out[i]) && i + 1 < out.size() && IsLowSurrogate(out[i + 1])) {
            const char32_t c = 0x10000 + ((char32_t(out[i]) - 0xD800) << 10) + (out[i + 1] - 0xDC00);
            const char32_t upper = QChar::toUpper(c);
            if (upper >= 0x10000) {
                out[i] = char16_t(0xD800 + ((upper - 0x10000) >> 10));
                out[i + 1] = char16_t(0xDC00 + ((upper - 0x10000) & 0x3FF));
            }
            ++i;
            continue;
        }
        const char32_t upper = QChar::toUpper(char32_t(out[i]));
        if (upper < 0x10000 && !IsHighSurrogate(char16_t(upper)) && !IsLowSurrogate(char16_t(upper)))
            out[i] = char16_t(upper);
    }
    return out;
}

std::string UpperCaseBytes(std::string_view bytes, CodePage codePage)
{
    const ByteTable& table = UpperTable(codePage);
    std::string out(bytes);
    ByteChars::ForCodePage(codePage).ForEachChar(bytes, [&](size_t first, size_t units, char16_t) {
        if (units == 1)
            out[first] = char(table[uint8_t(bytes[first])]);
    });
    return out;
}

} // namespace platform
