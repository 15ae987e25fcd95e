#include "platform/utf8.h"

#include "platform/codepage.h"

#include <cstdint>
#include <optional>

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct SequenceShape {
    int length = 0;         // 0: the byte cannot start a sequence
    uint8_t secondLow = 0x80; // the second byte has a narrower range for some lead bytes, which
    uint8_t secondHigh = 0xBF; // rules out overlong forms, surrogates and values past U+10FFFF
};

SequenceShape ShapeOf(uint8_t lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4};
    return {};
}

void AppendCodePoint(std::u16string& out, uint32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(char16_t(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(char16_t(0xD800 + (cp >> 10)));
    out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
}

// The code point of the well-formed sequence at I, or nothing; LENGTH gets the bytes taken.
std::optional<uint32_t> ReadSequence(std::string_view in, size_t i, size_t& length)
{
    const uint8_t lead = uint8_t(in[i]);
    length = 1;
    if (lead < 0x80)
        return lead;
    const SequenceShape shape = ShapeOf(lead);
    if (shape.length == 0)
        return std::nullopt;
    uint32_t cp = lead & (0xFF >> (shape.length + 1));
    for (int k = 1; k < shape.length; ++k) {
        const uint8_t low = (k == 1) ? shape.secondLow : 0x80;
        const uint8_t high = (k == 1) ? shape.secondHigh : 0xBF;
        if (i + k >= in.size() || uint8_t(in[i + k]) < low || uint8_t(in[i + k]) > high) {
            length = size_t(k);
            return std::nullopt;
        }
        cp = (cp << 6) | (uint8_t(in[i + k]) & 0x3F);
    }
    length = size_t(shape.length);
    return cp;
}

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out.push_back(char(0xC0 | (cp >> 6)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(char(0xE0 | (cp >> 12)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (cp >> 18)));
        out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    }
}

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        if (uint8_t(utf8[i]) < 0x80) {
            out.push_back(char16_t(uint8_t(utf8[i++])));
            continue;
        }
        size_t length = 0;
        const auto cp = ReadSequence(utf8, i, length);
        AppendCodePoint(out, cp ? *cp : kReplacement);
        i += length;
    }
    return out;
}

size_t Utf8CharLength(std::string_view utf8, size_t pos)
{
    size_t length = 0;
    ReadSequence(utf8, pos, length);
    return length;
}

std::string Utf16ToUtf8(std::u16string_view text, bool* lossy)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((uint32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
            continue;
        }
        if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, kReplacement);
            if (lossy)
                *lossy = true;
            continue;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string ToUtf8(std::u16string_view text)
{
    return Utf16ToUtf8(text);
}

std::u16string FromUtf8(std::string_view utf8)
{
    return Utf8ToUtf16(utf8);
}

} // namespace platform
