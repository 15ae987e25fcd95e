#include "platform/qt/byte_chars.h"

#include "platform/canvas.h"

#include <map>

namespace platform {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// One character's bytes to the one UTF-16 unit it stands for; anything else (undecodable,
// or outside the basic plane) shows as the replacement character.
char16_t DecodeOne(std::string_view bytes, CodePage codePage)
{
    const std::u16string text = platform::ToUtf16(bytes, codePage);
    return text.size() == 1 ? text[0] : kReplacement;
}

} // namespace

ByteChars::ByteChars(CodePage codePage) : m_codePage(codePage)
{
    for (int b = 0; b < 256; ++b) {
        m_lead[size_t(b)] = IsLeadByte(codePage, uint8_t(b));
        m_trail[size_t(b)] = IsTrailByte(codePage, uint8_t(b));
        const char byte = char(b);
        m_single[size_t(b)] = b < 0x80 ? char16_t(b) : DecodeOne({&byte, 1}, codePage);
    }
}

ByteChars::ByteChars(std::u16string_view symbolFace)
{
    for (int b = 0; b < 256; ++b)
        m_single[size_t(b)] = SymbolByteToUnicode(symbolFace, uint8_t(b));
}

ByteChars::Row* ByteChars::FillRow(uint8_t lead)
{
    auto row = std::make_unique<Row>();
    for (int trail = 0; trail < 256; ++trail) {
        const char pair[2] = {char(lead), char(trail)};
        (*row)[size_t(trail)] = DecodeOne({pair, 2}, m_codePage);
    }
    m_rows[lead] = std::move(row);
    return m_rows[lead].get();
}

std::u16string ByteChars::ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    ForEachChar(text, [&](size_t, size_t, char16_t c) { out.push_back(c); });
    return out;
}

ByteChars& ByteChars::ForCodePage(CodePage codePage)
{
    static std::map<CodePage, std::unique_ptr<ByteChars>> tables;
    std::unique_ptr<ByteChars>& slot = tables[codePage];
    if (!slot)
        slot = std::make_unique<ByteChars>(codePage);
    return *slot;
}

ByteChars& ByteChars::ForFont(int charset, std::u16string_view face)
{
    if (!IsSymbolFace(face) && charset != kSymbolCharset)
        return ForCodePage(CodePageOfCharset(charset));
    static ByteChars symbol(std::u16string_view(u"Symbol"));
    static ByteChars wingdings(std::u16string_view(u"Wingdings"));
    static ByteChars latin(std::u16string_view(u""));
    if (IsSymbolFace(face))
        return (face.size() == 6) ? symbol : wingdings;
    return latin;
}

} // namespace platform
