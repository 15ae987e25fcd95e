// Painting a formatted document onto a canvas.
//
// Contract of PaintDocument, for the viewer and for nested documents:
// - The canvas is the off-screen buffer of the area being painted: its pixel (0, 0) stands for
//   the client point (clip.left, clip.top). A draw item at document position (x, y) lands at
//   (x - GetHScrollPos() - clip.left - xOffset, y - GetVScrollPos() - clip.top - yOffset), the
//   scroll positions being the document's own answers. The viewer passes the clip rectangle it
//   repaints, offsets 0 and every flag cleared, on a buffer clip.Width() x clip.Height() whose
//   background is already painted.
// - The selection is the document's (GetSelectionBounds, EntirelySelected), read once.
// - Only draw items from the first paragraph that reaches into the clip rectangle down to the
//   first line start below it are visited; nothing is drawn outside the canvas's own clip.
// - Painting never changes the layout or the selection. The canvas's font, colours, pen and
//   brush are left as the last drawing set them; its clip is left as it was.
// - Text may reach the canvas later than the calls that draw it (the Qt canvas gathers glyph
//   runs and draws them in one go): whatever draws on the canvas afterwards goes on top, and a
//   caller that reads pixels reads them through the canvas, never around it.
// - The document must be formatted; an unformatted or empty document paints nothing. An
//   exception from an item's own painting leaves what was drawn before it and propagates to
//   the caller, which shows it (the viewer prints the message at the top-left corner).
#pragma once

#include <cstdint>

#include "platform/canvas.h"

namespace vellum {

class TCustomRVFormattedData;

// The selection as painting reads it: draw item positions, earlier end first (offsets as the
// selection keeps them: 1-based before a character of a text piece, 0 before and 1 after any
// other draw item).
struct PaintSelection {
    int32_t startNo = -1;
    int32_t startOffs = 0;
    int32_t endNo = -1;
    int32_t endOffs = 0;
    // Every piece counts as selected (a table cell inside a larger selection).
    bool entirelySelected = false;

    bool Exists() const
    {
        return entirelySelected ||
               (startNo >= 0 && endNo >= 0 && !(startNo == endNo && startOffs == endOffs));
    }
};

struct PaintArgs {
    platform::Canvas* canvas = nullptr;
    platform::Rect clip;  // client coordinates
    int32_t xOffset = 0;
    int32_t yOffset = 0;
    bool printing = false;
    // Text is drawn with the advances measured on the document's reference canvas.
    bool referenceMetrics = false;
    // Draw items reaching below the clip rectangle are left out.
    bool wholeLinesOnly = false;
    // Painting starts at the first line that lies wholly inside the clip rectangle (paging).
    bool startAtFirstWholeLine = false;

    // What the control tells the painter.
    bool controlFocused = false;
    int32_t hoveredJumpId = -1; // the link number under the mouse; -1: none
    int32_t currentItemNo = -1; // the document's current item, framed in CurrentItemColor
};

// What one call of PaintDocument did, for tests and benchmarks.
struct PaintReport {
    int32_t firstDrawItemNo = -1; // the range visited; -1 when nothing was
    int32_t lastDrawItemNo = -1;
    int32_t textParts = 0;        // DrawStyleText calls
};

// The document's selection, normalised.
PaintSelection SelectionToPaint(const TCustomRVFormattedData& data);

// Paints DATA by ARGS onto ARGS.canvas (see the contract above).
PaintReport PaintDocument(TCustomRVFormattedData& data, const PaintArgs& args);

} // namespace vellum
