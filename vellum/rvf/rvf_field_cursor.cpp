#include "vellum/rvf/rvf_field_cursor.h"

#include "platform/codepage.h"

namespace vellum {

std::optional<int32_t> RvfFieldCursor::ReadInteger()
{
    if (AtLineEnd())
        return std::nullopt;
    bool negative = FLine[FPos] == '-';
    if (negative)
        ++FPos;
    uint64_t magnitude = 0;
    while (!AtLineEnd() && FLine[FPos] >= '0' && FLine[FPos] <= '9') {
        magnitude = magnitude * 10 + static_cast<uint64_t>(FLine[FPos] - '0');
        if (magnitude > 2147483647u) {
            FOverflow = true;
            return std::nullopt;
        }
        ++FPos;
    }
    if (!AtLineEnd() && FLine[FPos] != ' ')
        return std::nullopt;
    SkipOneSpace();
    int32_t value = static_cast<int32_t>(magnitude);
    return negative ? -value : value;
}

std::optional<std::string> RvfFieldCursor::ReadQuoted()
{
    if (PeekChar() != '"')
        return std::nullopt;
    std::string content;
    for (size_t pos = FPos + 1; pos < FLine.size(); ++pos) {
        if (FLine[pos] != '"') {
            content.push_back(FLine[pos]);
            continue;
        }
        if (pos + 1 < FLine.size() && FLine[pos + 1] == '"') {
            content.push_back('"');
            ++pos;
            continue;
        }
        FPos = pos + 1;
        SkipOneSpace();
        return content;
    }
    return std::nullopt;
}

std::string_view RvfFieldCursor::ReadToken()
{
    size_t start = FPos;
    while (!AtLineEnd() && FLine[FPos] != ' ')
        ++FPos;
    std::string_view token = FLine.substr(start, FPos - start);
    SkipOneSpace();
    return token;
}

void RvfFieldCursor::SkipOneSpace()
{
    if (!AtLineEnd() && FLine[FPos] == ' ')
        ++FPos;
}

std::string DecodeRvfString(std::string_view raw, bool utf8)
{
    std::string text(raw);
    for (char& c : text) {
        if (c == '\x01')
            c = '\r';
        else if (c == '\x02')
            c = '\n';
    }
    if (!utf8)
        return text;
    return platform::Utf8ToCodePage(text, platform::SystemCodePage());
}

} // namespace vellum
