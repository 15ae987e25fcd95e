// Conversions between code-page text and UTF-16, table-driven: one lookup per character, with a
// straight copy for ASCII.
#include "platform/codepage.h"
#include "platform/qt/codepage_table.h"
#include "platform/utf8.h"

namespace platform {
namespace {

bool IsSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

// Copies the ASCII bytes starting at I and returns where they end.
size_t CopyAscii(std::string_view in, size_t i, char16_t*& out)
{
    const size_t n = in.size();
    while (i < n && uint8_t(in[i]) < 0x80)
        *out++ = char16_t(uint8_t(in[i++]));
    return i;
}

std::u16string DecodeWithTable(std::string_view in, const CodePageTable& table)
{
    std::u16string result(in.size(), u'\0');
    char16_t* out = result.data();
    size_t i = 0;
    const size_t n = in.size();
    while (i < n) {
        if (table.asciiIdentity)
            i = CopyAscii(in, i, out);
        if (i >= n)
            break;
        const uint8_t b = uint8_t(in[i]);
        if (table.lead[b] && i + 1 < n && table.trail[uint8_t(in[i + 1])]) {
            *out++ = table.pairs[b << 8 | uint8_t(in[i + 1])];
            i += 2;
            continue;
        }
        *out++ = table.single[b];
        ++i;
    }
    result.resize(size_t(out - result.data()));
    return result;
}

// How many UTF-16 units the character at I takes: two for a surrogate pair.
size_t UnitsOfCharacter(std::u16string_view text, size_t i)
{
    if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
        return 2;
    return 1;
}

void AppendEncoded(std::string& out, uint16_t bytes)
{
    if (bytes >= 0x100)
        out.push_back(char(bytes >> 8));
    out.push_back(char(bytes & 0xFF));
}

std::string EncodeWithTable(std::u16string_view text, const CodePageTable& table, bool* lossy)
{
    std::string out;
    out.reserve(text.size() * (table.doubleByte ? 2 : 1));
    for (size_t i = 0; i < text.size();) {
        const char16_t c = text[i];
        if (c < 0x80 && table.asciiIdentity) {
            out.push_back(char(c));
            ++i;
            continue;
        }
        const uint16_t bytes = IsSurrogate(c) ? kUnmappedBytes : table.encode[c];
        if (bytes == kUnmappedBytes) {
            out.push_back('?');
            if (lossy)
                *lossy = true;
        } else {
            AppendEncoded(out, bytes);
        }
        i += UnitsOfCharacter(text, i);
    }
    return out;
}

bool IsUtf8(CodePage codePage)
{
    return ResolveCodePage(codePage) == kCodePageUtf8;
}

} // namespace

std::u16string ToUtf16(std::string_view bytes, CodePage codePage)
{
    if (bytes.empty())
        return {};
    if (IsUtf8(codePage))
        return Utf8ToUtf16(bytes);
    return DecodeWithTable(bytes, CodePageTableOf(codePage));
}

std::string FromUtf16(std::u16string_view text, CodePage codePage, bool* lossy)
{
    if (lossy)
        *lossy = false;
    if (text.empty())
        return {};
    if (IsUtf8(codePage))
        return Utf16ToUtf8(text, lossy);
    return EncodeWithTable(text, CodePageTableOf(codePage), lossy);
}

std::string CodePageToUtf8(std::string_view bytes, CodePage codePage)
{
    return Utf16ToUtf8(ToUtf16(bytes, codePage));
}

std::string Utf8ToCodePage(std::string_view utf8, CodePage codePage, bool* lossy)
{
    return FromUtf16(Utf8ToUtf16(utf8), codePage, lossy);
}

} // namespace platform
