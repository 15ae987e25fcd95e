// Measuring item text: the display form that is measured and drawn, widths, fit counts and
// character boundaries. Text is item text as stored (TRVRawByteString): 8-bit code-page bytes,
// or UTF-16LE code units two bytes each when UNICODE is set. Character counts and positions are
// per code unit (a byte, or a UTF-16 unit), as the canvas measures them. The font of the run
// must be selected on the canvas (TRVFontInfoCache::GetItem does it).
#pragma once

#include "platform/canvas.h"
#include "vellum/rv_types.h"

#include <span>
#include <string_view>
#include <vector>

namespace vellum {

class TFontInfo;

// Characters of TEXT: UTF-16 units (bytes / 2, an odd last byte not counted) or bytes.
int CharCount(std::string_view text, bool unicode);

// The text as it is measured and drawn in TEXTSTYLE (UTF-16 when the style is Unicode):
// upper case for all-caps styles, character for character; in Unicode text the non-breaking
// hyphen becomes "-", the soft hyphen a zero-width space, or "¬" when SHOWSPECIALCHARACTERS;
// with KEEPTRAILINGSOFTHYPHEN a soft hyphen ending the text stays as it is unless shown; with
// REMOVEZEROWIDTH zero-width spaces and word joiners are deleted. With both flags cleared the
// result has the stored length, so offsets in one are offsets in the other.
TRVRawByteString MakeDisplayText(std::string_view text, const TFontInfo& textStyle,
                                 bool keepTrailingSoftHyphen, bool removeZeroWidth,
                                 bool showSpecialCharacters);
// The same without a copy where the display text is the stored text: the answer views TEXT
// itself then, else BUFFER, which receives the display text (its storage reused). The view
// lives as long as both. TEXT must not lie in BUFFER.
std::string_view MakeDisplayText(std::string_view text, const TFontInfo& textStyle,
                                 bool keepTrailingSoftHyphen, bool removeZeroWidth,
                                 bool showSpecialCharacters, TRVRawByteString& buffer);

// Width of the whole text.
int MeasureRun(platform::Canvas& canvas, std::string_view text, bool unicode);

// Width and height of the first CHARCOUNT characters (clamped to the text); zero-width spaces
// and word joiners add no width, whatever the font gives them.
platform::Size MeasureRunSize(platform::Canvas& canvas, std::string_view text, int charCount,
                              bool unicode);

// How many of the first CHARCOUNT characters fit within MAXEXTENT pixels (an empty run fits 0;
// never more than CHARCOUNT). POSITIONS, when not empty, receives the cumulative right edge of
// each character, one entry per code unit, for as many entries as both it and the run have;
// zero-width spaces and word joiners take no room in them.
int FitRun(platform::Canvas& canvas, std::string_view text, int charCount, int maxExtent,
           bool unicode, std::span<int> positions = {});

// The x offset of every character boundary as drawn: CharCount + 1 entries, entry i before
// character i, the last the run's end; zero-width spaces and word joiners advance nothing.
// False (CARETS emptied) only when the canvas cannot place the run.
bool GetCaretPositions(platform::Canvas& canvas, std::string_view text, bool unicode,
                       std::vector<int>& carets);

} // namespace vellum
