// Character cells and advances of drawn text: where the spaces of a run lie, and the advances
// that make a run measured on one canvas fill its width on another.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Canvas;
}

namespace vellum {

// UTF-16LE bytes as code units (an odd last byte is dropped).
std::u16string BytesAsUtf16(std::string_view bytes);

// The code units at which the characters of TEXT begin (UTF-16LE when UNICODE, else 8-bit text
// as the canvas decodes it, given the right edges POSITIONS per code unit).
std::vector<size_t> CharacterStarts(std::string_view text, bool unicode, std::span<const int> positions);

// X / 2 rounded to the nearest integer, halves up.
int RoundHalf(int x);

// A space or a non-breaking space of a run, with its cell relative to the run's start.
struct SpaceCell {
    int left = 0;
    int width = 0;
    bool noBreak = false;
};
// The spaces of TEXT as drawn in the font selected on CANVAS.
std::vector<SpaceCell> SpaceCells(platform::Canvas& canvas, std::string_view text, bool unicode);

// Makes ADVANCES (one per character) add up to TOTAL: the difference divided by the count goes
// to every advance, and the remainder one pixel at a time to evenly spaced characters.
void SpreadAdvances(std::vector<int>& advances, int total);

// Advances per code unit for drawing TEXT on TARGET so that it is TOTAL pixels wide, measured
// on REFERENCE with TARGET's font, reading order and letter spacing. Empty for text of one
// character or less, which is drawn with the canvas's own advances.
std::vector<int> ReferenceAdvances(platform::Canvas& reference, const platform::Canvas& target,
                                   std::string_view text, bool unicode, int total);

} // namespace vellum
