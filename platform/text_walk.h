// Per-character measurement shared by the canvases: one walk over the characters of a run
// that sums advances, fills per-code-unit positions and counts what fits. An implementation
// supplies only "the advance of this character"; the walk guarantees that every canvas
// follows the same rules (positions per code unit, characters never split, letter spacing
// after every character, no kerning).
#pragma once

#include <algorithm>
#include <cstddef>
#include <climits>
#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

struct TextWalkResult {
    int fit = 0;   // code units of whole characters whose right edge is <= the limit
    int width = 0; // the whole run, clamped to INT_MAX
};

// Collects edges as characters go by. POSITIONS and CARETS may be empty.
class TextWalker {
public:
    TextWalker(int spacing, int maxExtent, std::span<int> positions, std::span<int> carets)
        : m_spacing(spacing), m_maxExtent(maxExtent), m_positions(positions), m_carets(carets)
    {
    }

    // The character covering code units [first, first + units) advances by ADVANCE.
    void Add(size_t first, size_t units, int advance)
    {
        for (size_t k = 0; k < units && !m_carets.empty(); ++k)
            m_carets[first + k] = Clamp(m_x);
        m_x += int64_t(advance) + m_spacing;
        if (m_fitting && m_x <= m_maxExtent)
            m_fit += int(units);
        else
            m_fitting = false;
        for (size_t k = 0; k < units && !m_positions.empty(); ++k)
            m_positions[first + k] = Clamp(m_x);
    }

    // True once nothing more can change the answer (no arrays, width not wanted).
    bool CanStop() const { return !m_fitting && m_positions.empty() && m_carets.empty(); }

    TextWalkResult Finish(size_t units)
    {
        if (!m_carets.empty())
            m_carets[units] = Clamp(m_x);
        return {m_fit, Clamp(m_x)};
    }

private:
    static int Clamp(int64_t x) { return int(std::clamp<int64_t>(x, INT_MIN, INT_MAX)); }

    int m_spacing;
    int64_t m_maxExtent;
    std::span<int> m_positions;
    std::span<int> m_carets;
    int64_t m_x = 0;
    int m_fit = 0;
    bool m_fitting = true;
};

// ADVANCE(char32_t) gives a character's advance. STOPEARLY lets a fit without arrays end at
// the first character that does not fit (the width is then incomplete).
template <typename Advance>
TextWalkResult WalkUtf16(std::u16string_view text, TextWalker& walker, bool stopEarly,
                         Advance&& advance)
{
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(text[i + 1])) {
            const char32_t cp = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            walker.Add(i, 2, advance(cp));
            i += 2;
        } else {
            walker.Add(i, 1, advance(char32_t(c)));
            ++i;
        }
        if (stopEarly && walker.CanStop())
            break;
    }
    return walker.Finish(n);
}

// Characters that take no room of their own whatever a font says: combining marks and the
// zero-width format characters.
inline bool IsZeroWidthChar(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || c == 0x2060 ||
           c == 0xFEFF || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

} // namespace platform
