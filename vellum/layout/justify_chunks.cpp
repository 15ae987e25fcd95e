#include "vellum/layout/justify_chunks.h"

namespace vellum {

JustifyChunks::JustifyChunks(std::string_view display, bool unicode)
    : m_display(display), m_unicode(unicode), m_length(int32_t(unicode ? display.size() / 2 : display.size()))
{
}

bool JustifyChunks::IsSpace(int32_t index) const
{
    if (!m_unicode)
        return m_display[size_t(index)] == ' ';
    return m_display[2 * size_t(index)] == ' ' && m_display[2 * size_t(index) + 1] == '\0';
}

bool JustifyChunks::Next(TextChunk& chunk)
{
    if (m_pos >= m_length)
        return false;
    int32_t end = m_pos + 1;
    while (end < m_length && !IsSpace(end))
        ++end;
    chunk = {m_pos, end - m_pos};
    m_pos = end;
    return true;
}

} // namespace vellum
