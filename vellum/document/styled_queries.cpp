// The yes/no questions whose answers depend on the style sheet: hypertext styles, hover
// effects, field highlighting and list-level pictures.
#include <algorithm>

#include "platform/picture.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/style/rv_style.h"

namespace vellum {

namespace {

bool IsJumpStyle(const TRVStyle* style, int32_t styleNo)
{
    return style && style->TextStyles()[styleNo].Jump;
}

// The hover test only raises the style sheet's own event; it changes nothing we read here.
bool HoverSensitive(const TRVStyle* style, int32_t styleNo)
{
    return style && const_cast<TRVStyle*>(style)->HoverSensitive(styleNo);
}

// Answers of a hypertext text style: 2 link, 3 mouse-sensitive, 5; 4 when hovering shows.
bool JumpAnswer(int code, const TRVStyle* style, int32_t styleNo)
{
    if (!IsJumpStyle(style, styleNo))
        return false;
    if (code == rvbpxJump || code == rvbpxMouseSensitive || code == 5)
        return true;
    return code == rvbpxHover && HoverSensitive(style, styleNo);
}

} // namespace

bool TRVTextItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    return code == 1 || JumpAnswer(code, style, StyleNo);
}

bool TRVLabelItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    if (code == 6)
        return true;
    if (code == 0)
        return style && style->FieldHighlightType == rvfhCurrent;
    return JumpAnswer(code, style, CaptionStyleNo);
}

bool TRVMarkerItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    if (code == 6)
        return true;
    if (code != 1 || !style || ListNo < 0 || ListNo >= style->ListStyles().Count())
        return false;
    const TRVListLevelCollection& levels = style->ListStyles()[ListNo].Levels;
    if (levels.Count() == 0 || Level < 0)
        return false;
    const TRVListLevel& level = levels[std::min(Level, levels.Count() - 1)];
    switch (level.ListType) {
    case rvlstImageList:
    case rvlstImageListCounter:
        return true;
    case rvlstPicture:
        return level.Picture() && !level.Picture()->IsMetafile();
    default:
        return false;
    }
}

} // namespace vellum
