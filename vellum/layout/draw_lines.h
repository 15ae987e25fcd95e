// What a formatting pass produces: draw items (one positioned piece of one item on one line,
// in document coordinates, kept in reading order), the table of lines (each line's first draw
// item and baseline) and the jump areas of hypertext links.
#pragma once

#include <cstdint>
#include <vector>

#include "vellum/style/cursors.h"

namespace vellum {

class TCustomRVData;

// Draw items are plain values: the paged variants that would need their own classes are not
// built, so the list stores them inline (44 bytes each) rather than one allocation apiece.
struct TRVDrawLineInfo {
    TRVDrawLineInfo() = default;
    TRVDrawLineInfo(int32_t left, int32_t top, bool startsLine, int32_t itemNo, int32_t height,
                    int32_t width)
    {
        SetPosition(left, top, startsLine, itemNo);
        SetSize(width, height);
    }

    void SetPosition(int32_t left, int32_t top, bool startsLine, int32_t itemNo)
    {
        Left = left;
        Top = top;
        StartsLine = startsLine ? 255 : 0;
        ItemNo = itemNo;
    }
    void SetSize(int32_t width, int32_t height)
    {
        Width = width;
        Height = height;
    }
    bool IsFirstOfLine() const { return StartsLine != 0; }
    int32_t Right() const { return Left + Width; }
    int32_t Bottom() const { return Top + Height; }

    int32_t GapBefore = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t ItemNo = -1;
    int32_t TextStart = 0;  // 1-based first character shown (text only)
    int32_t TextLength = 0; // characters shown (text only)
    int32_t GapBelow = 0;
    int32_t GapAbove = 0;
    uint8_t StartsLine = 0; // 255: the piece is the first of its line
};

// The draw item list. Besides plain insertion and deletion it reformats a range in place: the
// range is marked reusable, insertions overwrite the reusable slots one by one, deletions give
// them back, and FinishReuse removes the slots left over in one step.
class TRVDrawLines {
public:
    int32_t Count() const { return int32_t(m_items.size()); }
    bool Empty() const { return m_items.empty(); }
    TRVDrawLineInfo& operator[](int32_t index) { return m_items[size_t(index)]; }
    const TRVDrawLineInfo& operator[](int32_t index) const { return m_items[size_t(index)]; }
    TRVDrawLineInfo& Last() { return m_items.back(); }
    const std::vector<TRVDrawLineInfo>& Items() const { return m_items; }

    void Clear();
    void Reserve(size_t count) { m_items.reserve(count); }
    // Gives back what growing left unused when that is more than a fifth.
    void ShrinkToFit()
    {
        if (m_items.capacity() > m_items.size() + m_items.size() / 4)
            m_items.shrink_to_fit();
    }
    // Inserts at INDEX, or stores into the next reusable slot while one remains (INDEX is then
    // the slot's own index, as the caller counts draw items from the range start).
    void Insert(int32_t index, const TRVDrawLineInfo& item);
    void Delete(int32_t index);

    void MarkReusable(int32_t first, int32_t count);
    int32_t ReusableFirst() const { return m_reuseFirst; }
    int32_t ReusableCount() const { return m_reuseCount; }
    void FinishReuse();

private:
    std::vector<TRVDrawLineInfo> m_items;
    int32_t m_reuseFirst = 0;
    int32_t m_reuseCount = 0;
};

// One line of the formatted document.
struct FormattedLine {
    int32_t firstDrawItemNo = 0;
    int32_t baseline = 0;
};

// A placed piece of a hypertext link. Left and Top are absolute positions, filled in from the
// draw item after the pass.
struct TRVJumpInfo {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Id = 0;         // link number inside the document
    int32_t DrawItemNo = 0;
    CursorId Cursor = 0;
    TCustomRVData* RVData = nullptr; // the document owning the draw item
};

} // namespace vellum
