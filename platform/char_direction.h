// Reading-direction classes of characters, for ordering the pieces of a line in paragraphs that
// have a reading direction. Only strong characters have a direction; digits, punctuation,
// blanks and everything else are neutral and take the paragraph's direction.
#pragma once

#include "platform/codepage.h"

#include <string_view>

namespace platform {

enum class CharDirection { Neutral, LeftToRight, RightToLeft };

// By the Unicode bidirectional class: L is left-to-right, R and AL right-to-left.
CharDirection DirectionOfChar(char32_t c);

// The direction of the first and of the last character of TEXT; Neutral for empty text.
CharDirection FirstCharDirection(std::u16string_view text);
CharDirection LastCharDirection(std::u16string_view text);
CharDirection FirstCharDirection(std::string_view bytes, CodePage codePage);
CharDirection LastCharDirection(std::string_view bytes, CodePage codePage);

} // namespace platform
