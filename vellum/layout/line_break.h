// Where a line may end inside a text item. Text is classed per UTF-16 code unit into twenty
// line-break classes (one generated table), and a pair table says whether a line may end
// between a character of one class and one of another. Byte text breaks only at spaces.
#pragma once

#include <cstdint>
#include <string_view>

namespace vellum {

// The classes, numbered as the pair table's rows and columns.
enum class LineBreakClass : uint8_t {
    OP, CL, QU, GL, NS, EX, SY, IS, PR, PO, NU, AL, ID, IN, HY, BA, BB, B2, ZW, CM,
};
constexpr int kLineBreakClassCount = 20;

LineBreakClass LineBreakClassOf(char16_t c);

// 0: a line may end after BEFORE; 1: only when a space directly follows BEFORE; 2: never.
int LineBreakPairValue(LineBreakClass before, LineBreakClass after);

// What the break search is given: the characters left in the item from the start of the line
// piece on, how many of them fit, and the context the trailing-space rule looks at.
struct BreakQuery {
    int fit = 0;                     // W: the characters that fit, 0 < W < the remaining count
    bool trimWrapSpaces = false;
    bool lastBeforeParagraphEnd = false; // the item is the last one or the next starts a paragraph
};

// Where the line piece ends: COUNT characters from the piece's start, the last of them a space
// that is eaten instead of drawn when SPACEEATEN is set. FOUND is false when the text offers
// no break (the caller then moves the text to a new line or cuts it at the fit point).
struct BreakAnswer {
    bool found = false;
    int count = 0;
    bool spaceEaten = false;
};

// The search looks at no more than this many characters back from the fit point; past that
// it answers "no break", and the text is cut where it stops fitting.
constexpr int kBreakSearchWindow = 100000;

// REST is the stored text of the item from the piece's start (soft hyphens still U+00AD).
BreakAnswer FindUnicodeBreak(std::u16string_view rest, const BreakQuery& query);
// REST is the display text of a byte item from the piece's start.
BreakAnswer FindByteBreak(std::string_view rest, const BreakQuery& query);

} // namespace vellum
