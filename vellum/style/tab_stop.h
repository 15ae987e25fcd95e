// Where a tab in a paragraph ends: the paragraph's own stops, its indent acting as a stop, and
// the style sheet's default stops every DefTabWidth pixels.
#pragma once

#include <cstdint>
#include <string>

#include "vellum/style/style_types.h"
#include "vellum/style/tab_info.h"

namespace vellum {

// A tab to be placed, in device pixels of the formatting canvas.
struct TabStopQuery {
    int32_t x = 0;           // document x where the tab starts
    int32_t leftMargin = 0;  // the converted left margin
    int32_t rightIndent = 0; // the line's right indent
    int32_t leftIndent = 0;  // the line's left indent
    // The reading direction; unspecified takes the paragraph style's own.
    TRVBiDiMode direction = rvbdUnspecified;
    // Stops and DefTabWidth are screen pixels, converted by devicePpi / screenPpi.
    int screenPpi = 96;
    int devicePpi = 96;
};

struct TabStop {
    int32_t position = 0; // document x of the stop
    TRVTabAlign align = rvtaLeft;
    std::u16string leader;
    friend bool operator==(const TabStop&, const TabStop&) = default;
};

} // namespace vellum
