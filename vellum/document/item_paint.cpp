// How items that are not text paint themselves, until each kind draws its own content: a
// one-pixel frame of the box (in the selection colour when selected, in the current-item
// colour when current), and pictures stretched into their box inside the spacing.
#include "vellum/document/custom_item_info.h"
#include "vellum/document/graphic_item_info.h"

#include "platform/canvas.h"
#include "vellum/layout/draw_lines.h"
#include "vellum/style/rv_style.h"

#include <algorithm>

namespace vellum {
namespace {

platform::Rect BoxAt(int x, int y, const TRVDrawLineInfo& drawItem)
{
    return {x, y, int(std::min<int64_t>(int64_t(x) + drawItem.Width, INT32_MAX / 2)),
            int(std::min<int64_t>(int64_t(y) + drawItem.Height, INT32_MAX / 2))};
}

// The selection colour of the focus state, else the current-item colour, else FALLBACK.
platform::Color FrameColor(const TRVStyle& style, ItemDrawState state, platform::Color fallback)
{
    if (state.Contains(idsSelected)) {
        const platform::Color selection = state.Contains(idsControlFocused) ? style.SelColor : style.InactiveSelColor;
        if (selection != clNone)
            return selection;
    }
    if (state.Contains(idsCurrent) && style.CurrentItemColor != clNone)
        return style.CurrentItemColor;
    return fallback;
}

} // namespace

void TCustomRVItemInfo::Paint(int x, int y, const TRVDrawLineInfo& drawItem, TRVStyle& style, ItemDrawState state,
                              platform::Canvas& canvas)
{
    canvas.FrameRect(BoxAt(x, y, drawItem), FrameColor(style, state, clBtnShadow));
}

void TCustomRVItemInfo::PaintFullWidth(int left, int right, int y, const TRVDrawLineInfo& drawItem,
                                       const platform::Rect& clip, TRVStyle& style, ItemDrawState state,
                                       platform::Canvas& canvas)
{
    platform::Rect box = BoxAt(left, y, drawItem);
    box.right = std::max(left, right);
    canvas.FrameRect(box, FrameColor(style, state, clBtnShadow));
}

void TRVGraphicItemInfo::Paint(int x, int y, const TRVDrawLineInfo& drawItem, TRVStyle& style, ItemDrawState state,
                               platform::Canvas& canvas)
{
    const platform::Rect box = BoxAt(x, y, drawItem);
    const int inset = std::min({spacing(), box.Width() / 2, box.Height() / 2});
    const platform::Rect content{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
    const bool decoded = Picture && Picture->Width() > 0 && Picture->Height() > 0;
    if (decoded)
        canvas.StretchPicture(*Picture, content);
    const platform::Color frame = FrameColor(style, state, decoded ? clNone : clBtnShadow);
    canvas.FrameRect(box, frame);
}

} // namespace vellum
