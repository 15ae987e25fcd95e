// The characters of 8-bit text as a canvas measures and draws them: which bytes form one
// character and which UTF-16 character it shows. Tables are built lazily per code page (and
// per symbol face) and kept for the life of the process; like the rest of the drawing layer
// they are used from the user-interface thread only. It sits with the code-page conversions it
// is built from, which every canvas, the recording one included, shares.
#pragma once

#include "platform/codepage.h"
#include "platform/text_walk.h"

#include <array>
#include <memory>
#include <string_view>

namespace platform {

class ByteChars {
public:
    // The table for 8-bit text in a font of charset CHARSET and face FACE: symbol faces and
    // the symbol charset read bytes as symbols, every other charset through its code page.
    static ByteChars& ForFont(int charset, std::u16string_view face);
    static ByteChars& ForCodePage(CodePage codePage);

    bool IsLead(uint8_t byte) const { return m_lead[byte]; }
    // Whether LEAD and NEXT form one double-byte character; a lead byte before anything that
    // cannot follow it (a line end, the end of the text) is a character of its own.
    bool Pairs(uint8_t lead, uint8_t next) const { return m_lead[lead] && m_trail[next]; }
    char16_t Single(uint8_t byte) const { return m_single[byte]; }
    char16_t Double(uint8_t lead, uint8_t trail)
    {
        Row* row = m_rows[lead].get();
        if (!row)
            row = FillRow(lead);
        return (*row)[trail];
    }

    // Walks TEXT character by character: VISIT(firstByte, byteCount, character).
    template <typename Visit>
    void ForEachChar(std::string_view text, Visit&& visit)
    {
        const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
        const size_t n = text.size();
        for (size_t i = 0; i < n;) {
            const uint8_t b = bytes[i];
            if (i + 1 < n && Pairs(b, bytes[i + 1])) {
                visit(i, size_t(2), Double(b, bytes[i + 1]));
                i += 2;
                continue;
            }
            visit(i, size_t(1), m_single[b]);
            ++i;
        }
    }

    // The whole text as UTF-16, one character per character of the bytes.
    std::u16string ToUtf16(std::string_view text);

    explicit ByteChars(CodePage codePage);
    explicit ByteChars(std::u16string_view symbolFace);

private:
    using Row = std::array<char16_t, 256>;
    Row* FillRow(uint8_t lead);

    CodePage m_codePage = 0;
    std::array<bool, 256> m_lead{};
    std::array<bool, 256> m_trail{};
    std::array<char16_t, 256> m_single{};
    std::array<std::unique_ptr<Row>, 256> m_rows;
};

template <typename Advance>
TextWalkResult WalkBytes(std::string_view text, ByteChars& chars, TextWalker& walker,
                         bool stopEarly, Advance&& advance)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const uint8_t b = bytes[i];
        if (i + 1 < n && chars.Pairs(b, bytes[i + 1])) {
            walker.Add(i, 2, advance(char32_t(chars.Double(b, bytes[i + 1]))));
            i += 2;
        } else {
            walker.Add(i, 1, advance(char32_t(chars.Single(b))));
            ++i;
        }
        if (stopEarly && walker.CanStop())
            break;
    }
    return walker.Finish(n);
}

} // namespace platform
