// Words of a piece: maximal runs of characters that are not delimiters. In UTF-16 pieces a
// character is a delimiter only when its code is at most 255 and that byte is a delimiter, so
// CJK characters and punctuation never are; in 8-bit pieces only single-byte characters are
// tested, so the trail byte of a double-byte character never ends a word.
#include "vellum/layout/custom_rv_formatted_data.h"

#include <array>

#include "platform/codepage.h"

namespace vellum {
namespace {

// Per code unit of the piece: whether the character holding it is a delimiter.
std::vector<bool> DelimiterUnits(std::string_view text, bool unicode, platform::CodePage codePage,
                                 std::string_view delimiters)
{
    std::array<bool, 256> isDelimiter{};
    for (char c : delimiters)
        isDelimiter[uint8_t(c)] = true;
    if (unicode) {
        std::vector<bool> out(text.size() / 2);
        for (size_t i = 0; i < out.size(); ++i) {
            const char16_t c = char16_t(uint8_t(text[2 * i]) | uint8_t(text[2 * i + 1]) << 8);
            out[i] = c <= 0xFF && isDelimiter[c];
        }
        return out;
    }
    std::vector<bool> out(text.size(), false);
    for (size_t pos = 0; pos < text.size();) {
        const size_t next = platform::NextCharBoundary(codePage, text, pos);
        if (next == pos + 1)
            out[pos] = isDelimiter[uint8_t(text[pos])];
        pos = next > pos ? next : pos + 1;
    }
    return out;
}

} // namespace

WordRange TCustomRVFormattedData::WordAt(int32_t drawItemNo, int32_t offset) const
{
    if (!ValidDrawItem(drawItemNo))
        return WordRange{};
    const TRVDrawLineInfo& piece = FDrawItems[drawItemNo];
    const TCustomRVItemInfo& item = *ItemAt(piece.ItemNo);
    if (item.StyleNo < 0 || offset <= 1 || offset >= piece.TextLength + 1)
        return WordRange{};
    const bool unicode = item.UnicodeText();
    const size_t unit = unicode ? 2 : 1;
    const std::string_view text = item.Text;
    const size_t from = size_t(piece.TextStart - 1) * unit;
    if (piece.TextStart < 1 || from + size_t(piece.TextLength) * unit > text.size())
        return WordRange{};
    const std::vector<bool> delimiter =
        DelimiterUnits(text.substr(from, size_t(piece.TextLength) * unit), unicode,
                       CodePageOfStyle(EffectiveStyleNo(item)), GetDelimiters());
    // Offset k lies between units k - 2 and k - 1 of the piece.
    int32_t before = offset - 2;
    int32_t after = offset - 1;
    if (delimiter[size_t(before)] || delimiter[size_t(after)])
        return WordRange{};
    while (before > 0 && !delimiter[size_t(before - 1)])
        --before;
    while (after + 1 < piece.TextLength && !delimiter[size_t(after + 1)])
        ++after;
    return WordRange{true, before + 1, after + 2};
}

} // namespace vellum
