// The state of one formatting pass, threaded through every step that places items on lines.
#pragma once

#include <cstdint>

#include "platform/canvas.h"
#include "vellum/layout/resolution_pair.h"
#include "vellum/style/tab_info.h"

namespace vellum {

class TRVFontInfoCache;

// How line spacing frames the line being built (chosen when the line starts).
enum class LineFrame : uint8_t {
    Free,    // the pieces decide ascent and descent
    AtLeast, // ascent and descent are raised to FixedAscent and FixedDescent
    Exact,   // ascent and descent are FixedAscent and FixedDescent
};

struct FormatState {
    // Position on the current line.
    int32_t X = 0;             // relative to LineStartX
    int32_t Baseline = 0;
    int32_t LineDescent = 0;   // at a paragraph start it also carries the spacing still to add
    int32_t LineAscent = 0;
    bool IsParaStart = true;   // the next piece starts a line at an item boundary
    int32_t LineWidth = -1;
    int32_t LineStartX = 0;
    int32_t DrawItemCount = 0; // where the next draw item is inserted
    int32_t RunVerticalOffset = 0;
    int32_t MarkerIndent = 0;
    int32_t RightIndent = 0;
    int32_t LastStyleNo = -1;  // the text style selected on the canvas, -1 none
    int32_t FixedAscent = 0;
    int32_t FixedDescent = 0;
    LineFrame Frame = LineFrame::Free;
    int32_t CharsInLine = 0;
    int32_t MaxLength = 0;
    // A right or centre tab waiting for the text after it (-1 none), with its alignment and
    // the document x of its stop.
    int32_t PendingTab = -1;
    TRVTabAlign PendingTabAlign = rvtaLeft;
    int32_t PendingTabStop = 0;
    bool SpaceEaten = false;
    bool FirstLine = true;
    bool HasAbsAligned = false;
    bool WordWrap = true;

    // The measuring side of the pass.
    TRVFontInfoCache* FontCache = nullptr;
    platform::Canvas* Canvas = nullptr;     // where the selected text style's font is
    platform::FontMetrics TextMetric;       // metrics of the selected text style
    ResolutionPair Resolution;

    // Where the current line begins: its first draw item, and the paragraph being formatted.
    int32_t LineFirstDrawItem = 0;
    int32_t ParaFirstItemNo = 0;
};

} // namespace vellum
