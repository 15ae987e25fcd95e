#include "vellum/layout/line_break.h"

#include <algorithm>

namespace vellum {
namespace {

// Rows: the class before the break; columns: the class after it (order of LineBreakClass).
const uint8_t kPairs[kLineBreakClassCount][kLineBreakClassCount] = {
    {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1}, // OP
    {0, 2, 1, 1, 2, 2, 2, 2, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // CL
    {2, 2, 1, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1}, // QU
    {1, 2, 1, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1}, // GL
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // NS
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // EX
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // SY
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // IS
    {1, 2, 1, 1, 1, 2, 2, 2, 0, 0, 1, 1, 1, 0, 1, 1, 0, 0, 2, 1}, // PR
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // PO
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 1, 1, 1, 0, 1, 1, 1, 0, 0, 2, 1}, // NU
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 1, 1, 0, 1, 1, 1, 0, 0, 2, 1}, // AL
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 1, 0, 0, 0, 1, 1, 1, 0, 0, 2, 1}, // ID
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 2, 1}, // IN
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // HY
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 2, 1}, // BA
    {1, 2, 1, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1}, // BB
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 2, 2, 1}, // B2
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1}, // ZW
    {0, 2, 1, 1, 1, 2, 2, 2, 0, 0, 1, 1, 0, 1, 1, 1, 0, 0, 2, 1}, // CM
};

template <typename Char>
bool IsSpace(Char c)
{
    return c == Char(' ');
}

// The line ends after index K together with the spaces that follow it, up to and including
// the candidate; a space ending the piece is eaten when wrap spaces are trimmed.
template <typename Text>
BreakAnswer EndAfter(Text rest, int k, int candidate, bool trim)
{
    int end = k + 1;
    while (end <= candidate && end < int(rest.size()) && IsSpace(rest[end]))
        ++end;
    BreakAnswer answer{true, end, false};
    answer.spaceEaten = trim && end > 1 && IsSpace(rest[end - 1]);
    return answer;
}

// With trimmed wrap spaces, a space that does not fit is where the line ends, unless it is
// the item's very last character before a paragraph end.
template <typename Text>
BreakAnswer TrailingSpaceBreak(Text rest, const BreakQuery& query)
{
    if (!query.trimWrapSpaces)
        return {};
    const int remaining = int(rest.size());
    if (query.fit == remaining - 1 && query.lastBeforeParagraphEnd)
        return {};
    if (!IsSpace(rest[query.fit]))
        return {};
    return {true, query.fit + 1, true};
}

BreakAnswer WalkBack(std::u16string_view rest, int candidate, bool trim)
{
    LineBreakClass after = LineBreakClassOf(rest[candidate]);
    const int stop = std::max(0, candidate - kBreakSearchWindow);
    for (int k = candidate - 1; k >= stop; --k) {
        if (IsSpace(rest[k]))
            continue;
        const LineBreakClass before = LineBreakClassOf(rest[k]);
        const int value = LineBreakPairValue(before, after);
        if (value == 0 || (value == 1 && IsSpace(rest[k + 1])))
            return EndAfter(rest, k, candidate, trim);
        after = before;
    }
    return {};
}

} // namespace

int LineBreakPairValue(LineBreakClass before, LineBreakClass after)
{
    return kPairs[int(before)][int(after)];
}

BreakAnswer FindUnicodeBreak(std::u16string_view rest, const BreakQuery& query)
{
    const int remaining = int(rest.size());
    if (query.fit <= 0 || query.fit >= remaining)
        return {};
    int candidate = query.fit;
    if (IsSpace(rest[candidate]) && candidate == remaining - 1)
        --candidate;
    if (candidate >= 1) {
        BreakAnswer answer = WalkBack(rest, candidate, query.trimWrapSpaces);
        if (answer.found)
            return answer;
    }
    return TrailingSpaceBreak(rest, query);
}

BreakAnswer FindByteBreak(std::string_view rest, const BreakQuery& query)
{
    const int remaining = int(rest.size());
    if (query.fit <= 0 || query.fit >= remaining)
        return {};
    const int last = query.fit == remaining - 1 ? query.fit - 1 : query.fit;
    const int stop = std::max(0, last - kBreakSearchWindow);
    // A space at the piece's start would leave nothing on the line.
    for (int k = last; k > stop; --k) {
        if (IsSpace(rest[k]))
            return {true, k + 1, query.trimWrapSpaces};
    }
    return TrailingSpaceBreak(rest, query);
}

} // namespace vellum
