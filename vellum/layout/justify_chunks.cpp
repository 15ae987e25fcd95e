#include "vellum/layout/justify_chunks.h"

namespace vellum {

JustifyChunks::JustifyChunks(std::string_view display, bool unicode)
    : m_display(display), m_unicode(unicode), m_length(int32_t(unicode ? display.size() / 2 : display.size()))
{
}

// The first space after FROM, or the end.
int32_t JustifyChunks::NextSpace(int32_t from) const
{
    if (!m_unicode) {
        const size_t at = m_display.find(' ', size_t(from));
        return at == std::string_view::npos ? m_length : int32_t(at);
    }
    for (int32_t i = from; i < m_length; ++i)
        if (m_display[2 * size_t(i)] == ' ' && m_display[2 * size_t(i) + 1] == '\0')
            return i;
    return m_length;
}

bool JustifyChunks::Next(TextChunk& chunk)
{
    if (m_pos >= m_length)
        return false;
    const int32_t end = NextSpace(m_pos + 1);
    chunk = {m_pos, end - m_pos};
    m_pos = end;
    return true;
}

} // namespace vellum
