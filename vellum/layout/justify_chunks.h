// Justified text is placed word by word, so that every word after the first is a piece of its
// own that justification can move: the display text is cut before every space. Each chunk
// after the first begins with exactly one space; a run of several spaces gives one-space
// chunks. Text without spaces (Chinese) stays one chunk and so forms no gaps.
#pragma once

#include <cstdint>
#include <string_view>

namespace vellum {

struct TextChunk {
    int32_t offset = 0; // 0-based, in characters (UTF-16 units or bytes)
    int32_t count = 0;
};

class JustifyChunks {
public:
    // DISPLAY holds UTF-16LE when UNICODE, else 8-bit text.
    JustifyChunks(std::string_view display, bool unicode);
    // The next chunk; false after the last.
    bool Next(TextChunk& chunk);

private:
    int32_t NextSpace(int32_t from) const;

    std::string_view m_display;
    bool m_unicode;
    int32_t m_length;
    int32_t m_pos = 0;
};

} // namespace vellum
