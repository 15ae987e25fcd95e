#include "vellum/style/text_advances.h"

#include <cstdlib>

#include "platform/canvas.h"

namespace vellum {
namespace {

constexpr char16_t kNoBreakSpace = 0x00A0;

bool IsLowSurrogateUnit(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The right edge of every code unit of TEXT in the canvas's font.
std::vector<int> RightEdges(platform::Canvas& canvas, std::string_view text, bool unicode,
                            std::u16string* units)
{
    if (unicode) {
        *units = BytesAsUtf16(text);
        std::vector<int> positions(units->size());
        canvas.FitTextW(*units, INT32_MAX, positions);
        return positions;
    }
    std::vector<int> positions(text.size());
    canvas.FitText(text, INT32_MAX, positions);
    return positions;
}

} // namespace

std::u16string BytesAsUtf16(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
    return units;
}

std::vector<size_t> CharacterStarts(std::string_view text, bool unicode, std::span<const int> positions)
{
    std::vector<size_t> starts;
    if (unicode) {
        const std::u16string units = BytesAsUtf16(text);
        for (size_t i = 0; i < units.size(); ++i) {
            if (!IsLowSurrogateUnit(units[i]) || i == 0)
                starts.push_back(i);
        }
        return starts;
    }
    // The code units of one character share their right edge.
    for (size_t i = 0; i < text.size() && i < positions.size(); ++i) {
        if (i == 0 || positions[i] != positions[i - 1])
            starts.push_back(i);
    }
    return starts;
}

int RoundHalf(int x)
{
    return x >= 0 ? (x + 1) / 2 : -((-x) / 2);
}

std::vector<SpaceCell> SpaceCells(platform::Canvas& canvas, std::string_view text, bool unicode)
{
    std::vector<SpaceCell> cells;
    const bool anySpace = text.find(' ') != std::string_view::npos ||
                          text.find(char(0xA0)) != std::string_view::npos;
    if (text.empty() || !anySpace)
        return cells;
    std::u16string units;
    const std::vector<int> right = RightEdges(canvas, text, unicode, &units);
    const size_t count = right.size();
    for (size_t i = 0; i < count; ++i) {
        const int left = i == 0 ? 0 : right[i - 1];
        if (unicode) {
            if (units[i] == u' ' || units[i] == kNoBreakSpace)
                cells.push_back({left, right[i] - left, units[i] == kNoBreakSpace});
            continue;
        }
        const auto byte = uint8_t(text[i]);
        // A byte that shares its edge with a neighbour belongs to a double-byte character.
        const bool alone = (i == 0 || right[i] != right[i - 1]) && (i + 1 == count || right[i + 1] != right[i]);
        if ((byte == 0x20 || byte == 0xA0) && alone)
            cells.push_back({left, right[i] - left, byte == 0xA0});
    }
    return cells;
}

void SpreadAdvances(std::vector<int>& advances, int total)
{
    const int64_t n = int64_t(advances.size());
    if (n == 0)
        return;
    int64_t measured = 0;
    for (int a : advances)
        measured += a;
    const int64_t difference = int64_t(total) - measured;
    const int64_t share = difference / n;
    const int64_t remainder = difference - share * n;
    for (int& a : advances)
        a = int(a + share);
    const int64_t extra = std::llabs(remainder);
    const int step = remainder < 0 ? -1 : 1;
    for (int64_t j = 0; j < extra; ++j)
        advances[size_t(j * n / extra)] += step;
}

std::vector<int> ReferenceAdvances(platform::Canvas& reference, const platform::Canvas& target,
                                   std::string_view text, bool unicode, int total)
{
    reference.SetFont(target.Font());
    reference.SetReadingOrder(target.GetReadingOrder());
    reference.SetCharSpacing(target.CharSpacing());
    std::u16string units;
    const std::vector<int> right = RightEdges(reference, text, unicode, &units);
    const std::vector<size_t> starts = CharacterStarts(text, unicode, right);
    if (starts.size() <= 1)
        return {};
    // One advance per character, then back to the code units: a character's first unit carries
    // its advance and the others nothing.
    std::vector<int> perChar(starts.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        const size_t end = k + 1 < starts.size() ? starts[k + 1] : right.size();
        const int before = starts[k] == 0 ? 0 : right[starts[k] - 1];
        perChar[k] = (end == 0 ? 0 : right[end - 1]) - before;
    }
    SpreadAdvances(perChar, total);
    std::vector<int> advances(right.size(), 0);
    for (size_t k = 0; k < starts.size(); ++k)
        advances[starts[k]] = perChar[k];
    return advances;
}

} // namespace vellum
