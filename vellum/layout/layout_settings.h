// What a formatting pass reads from the control that shows the document: margins, width
// limits, wrapping, the line length limit and the control's internal layout flags.
#pragma once

#include <cstdint>

namespace vellum {

// Bit numbers of the control's internal flag word that the formatter reads.
enum ControlFlag : int {
    cfRecordJumps = 0,          // collect jump areas of hypertext links
    cfTrimWrapSpaces = 1,       // drop spaces at soft line breaks
    cfControlLayoutSource = 8,  // take WordWrap and MaxLength from the control
    cfUseStylePixelsPerInch = 10,
};

// The viewer control's initial flags, and the editor control's.
constexpr uint16_t kViewerControlFlags = 0x0D03;
constexpr uint16_t kEditorControlFlags = 0x0D82;

// Lengths are screen pixels.
struct LayoutSettings {
    int32_t LeftMargin = 5;
    int32_t RightMargin = 5;
    int32_t TopMargin = 5;
    int32_t BottomMargin = 5;
    int32_t MinTextWidth = 0;
    int32_t MaxTextWidth = 0;
    bool WordWrap = true;
    int32_t MaxLength = 0; // characters per line, 0: no limit
    uint16_t ControlFlags = kViewerControlFlags;

    bool HasFlag(ControlFlag flag) const { return (ControlFlags >> int(flag)) & 1u; }
};

} // namespace vellum
