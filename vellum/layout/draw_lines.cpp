#include "vellum/layout/draw_lines.h"

#include <cassert>

namespace vellum {

void TRVDrawLines::Clear()
{
    m_items.clear();
    m_reuseFirst = 0;
    m_reuseCount = 0;
}

void TRVDrawLines::Insert(int32_t index, const TRVDrawLineInfo& item)
{
    if (m_reuseCount > 0) {
        m_items[size_t(m_reuseFirst)] = item;
        ++m_reuseFirst;
        --m_reuseCount;
        return;
    }
    assert(index >= 0 && index <= Count() && "draw item index out of range");
    m_items.insert(m_items.begin() + index, item);
}

void TRVDrawLines::Delete(int32_t index)
{
    assert(index >= 0 && index < Count() && "draw item index out of range");
    if (m_reuseCount > 0 && index == m_reuseFirst - 1) {
        // The slot just filled becomes reusable again.
        --m_reuseFirst;
        ++m_reuseCount;
        return;
    }
    m_items.erase(m_items.begin() + index);
    if (index < m_reuseFirst)
        --m_reuseFirst;
}

void TRVDrawLines::MarkReusable(int32_t first, int32_t count)
{
    assert(first >= 0 && count >= 0 && first + count <= Count() && "reusable range out of range");
    m_reuseFirst = first;
    m_reuseCount = count;
}

void TRVDrawLines::FinishReuse()
{
    if (m_reuseCount > 0)
        m_items.erase(m_items.begin() + m_reuseFirst, m_items.begin() + m_reuseFirst + m_reuseCount);
    m_reuseCount = 0;
}

} // namespace vellum
