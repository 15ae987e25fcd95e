// The global table of pointer shapes by cursor number. Style sheets register the link pointer
// (101) and the line-selection pointer (106) when they are created; the window adapter asks
// what a number stands for when it sets the pointer.
#pragma once

#include <optional>

#include "vellum/style/style_types.h"

namespace vellum {

enum class CursorImage {
    PlatformHand, // the platform's own hand pointer
    Jump,         // the program's link pointer, where the platform has no hand
    FlipArrow     // the program's mirrored arrow for selecting whole lines
};

// Registers (or re-registers) NUMBER as IMAGE.
void RegisterCursor(CursorId number, CursorImage image);
// The image registered for NUMBER, if any.
std::optional<CursorImage> RegisteredCursor(CursorId number);

} // namespace vellum
