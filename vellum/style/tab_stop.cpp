#include "vellum/style/rv_style.h"

#include <algorithm>

#include "platform/checked_math.h"

namespace vellum {
namespace {

// Stored lengths to the device, in 64 bits so that no stop a file claims can overflow.
int64_t ToDevice(int32_t value, const TabStopQuery& query)
{
    return platform::MulDivWide(value, query.devicePpi, query.screenPpi);
}

// The first multiple of STEP beyond G (STEP is at least 1).
int64_t NextMultiple(int64_t g, int64_t step)
{
    const int64_t floor = g >= 0 ? g / step : -((-g + step - 1) / step);
    return (floor + 1) * step;
}

int32_t Clamp32(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

// Positions are measured from the left margin; in a right-to-left paragraph they are measured
// as if the line were mirrored between its indents, and mirrored back at the end.
TabStop TRVStyle::FindTabStop(int paraNo, const TabStopQuery& query) const
{
    const TParaInfo& para = ParaStyles()[paraNo];
    const TRVBiDiMode direction = query.direction != rvbdUnspecified ? query.direction : para.BiDiMode;
    const bool rightToLeft = direction == rvbdRightToLeft;
    int64_t g = int64_t(query.x) - query.leftMargin;
    int64_t h = query.leftIndent;
    if (rightToLeft) {
        g = int64_t(query.rightIndent) + g - query.leftIndent;
        h = query.rightIndent;
    }
    TabStop found;
    int64_t stop = 0;
    bool decided = false;
    for (int i = 0; i < para.Tabs.Count() && !decided; ++i) {
        const TRVTabInfo& tab = para.Tabs[i];
        const int64_t p = ToDevice(tab.Position(), query);
        if (g < h && h < p) {
            stop = h; // the indent acts as a stop before the next explicit one
            decided = true;
        } else if (g < p) {
            stop = p;
            found.align = tab.Align;
            found.leader = tab.Leader;
            decided = true;
        }
    }
    if (!decided) {
        const int count = para.Tabs.Count();
        const bool indentIsNext = g < h && (count == 0 || ToDevice(para.Tabs[count - 1].Position(), query) < h);
        // A step that converts to nothing on a coarse device still moves on by one pixel.
        const int64_t step = std::max<int64_t>(1, ToDevice(DefTabWidth > 0 ? DefTabWidth : 1, query));
        stop = indentIsNext ? h : NextMultiple(g, step);
    }
    if (rightToLeft)
        stop = stop - query.rightIndent + query.leftIndent;
    found.position = Clamp32(stop + query.leftMargin);
    return found;
}

} // namespace vellum
