// The yes/no questions whose answers depend on the style sheet: hypertext styles, hover
// effects, field highlighting and list-level pictures.
#include <algorithm>

#include "platform/picture.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/style/rv_style.h"

namespace vellum {

namespace {

bool IsJumpStyle(const TRVStyle* Style, int32_t StyleNo)
{
    return Style && Style->TextStyles()[StyleNo].Jump;
}

// The hover test only raises the style sheet's own event; it changes nothing we read here.
bool HoverSensitive(const TRVStyle* Style, int32_t StyleNo)
{
    return Style && const_cast<TRVStyle*>(Style)->HoverSensitive(StyleNo);
}

// Answers of a hypertext text style: 2 link, 3 mouse-sensitive, 5; 4 when hovering shows.
bool JumpAnswer(int Code, const TRVStyle* Style, int32_t StyleNo)
{
    if (!IsJumpStyle(Style, StyleNo))
        return false;
    if (Code == rvbpxJump || Code == rvbpxMouseSensitive || Code == 5)
        return true;
    return Code == rvbpxHover && HoverSensitive(Style, StyleNo);
}

} // namespace

bool TRVTextItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    return Code == 1 || JumpAnswer(Code, Style, StyleNo);
}

bool TRVLabelItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    if (Code == 6)
        return true;
    if (Code == 0)
        return Style && Style->FieldHighlightType == rvfhCurrent;
    return JumpAnswer(Code, Style, CaptionStyleNo);
}

bool TRVMarkerItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    if (Code == 6)
        return true;
    if (Code != 1 || !Style || ListNo < 0 || ListNo >= Style->ListStyles().Count())
        return false;
    const TRVListLevelCollection& levels = Style->ListStyles()[ListNo].Levels;
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
