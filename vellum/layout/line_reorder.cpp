#include "vellum/layout/line_reorder.h"

#include <vector>

#include "platform/char_direction.h"
#include "vellum/document/custom_item_info.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/line_formatter.h"

namespace vellum {
namespace {

using platform::CharDirection;

struct PieceDirections {
    CharDirection start = CharDirection::Neutral;
    CharDirection end = CharDirection::Neutral;
};

std::u16string_view Utf16Piece(const TCustomRVItemInfo& item, const TRVDrawLineInfo& piece, std::u16string& buffer)
{
    const size_t start = size_t(piece.TextStart - 1);
    const size_t length = std::min(size_t(piece.TextLength), item.Text.size() / 2 - std::min(start, item.Text.size() / 2));
    buffer.resize(length);
    for (size_t k = 0; k < length; ++k)
        buffer[k] = char16_t(uint8_t(item.Text[2 * (start + k)]) | uint8_t(item.Text[2 * (start + k) + 1]) << 8);
    return buffer;
}

// The directions of a piece's first and last characters. Pieces that are not text take the
// paragraph's direction. A neutral first character (a space, a digit) takes the direction the
// previous piece ended in, so that words that justification cut apart, or a number after a
// word, stay in their run; a neutral last character takes the piece's first direction.
PieceDirections DirectionsOf(const TCustomRVFormattedData& data, const TRVDrawLineInfo& piece,
                             CharDirection own, CharDirection previousEnd)
{
    const TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
    if (item.StyleNo < 0 || piece.TextLength == 0)
        return {own, own};
    PieceDirections result;
    if (item.UnicodeText()) {
        std::u16string buffer;
        const std::u16string_view text = Utf16Piece(item, piece, buffer);
        result = {platform::FirstCharDirection(text), platform::LastCharDirection(text)};
    } else {
        const std::string_view bytes = std::string_view(item.Text).substr(
            std::min(size_t(piece.TextStart - 1), item.Text.size()), size_t(piece.TextLength));
        const platform::CodePage codePage = data.CodePageOfStyle(data.EffectiveStyleNo(item));
        result = {platform::FirstCharDirection(bytes, codePage), platform::LastCharDirection(bytes, codePage)};
    }
    if (result.start == CharDirection::Neutral)
        result.start = previousEnd != CharDirection::Neutral ? previousEnd : own;
    if (result.end == CharDirection::Neutral)
        result.end = result.start;
    return result;
}

// The visual order, as indexes into the line. In a left-to-right paragraph a right-to-left
// piece that continues a right-to-left run goes in front of the run's pieces placed so far; in
// a right-to-left paragraph every piece goes to the front except one that continues a
// left-to-right run, which follows that run.
std::vector<int32_t> VisualOrder(const TCustomRVFormattedData& data, LineSpan line, CharDirection own)
{
    std::vector<int32_t> order;
    order.reserve(size_t(line.end - line.first));
    const CharDirection other = own == CharDirection::LeftToRight ? CharDirection::RightToLeft : CharDirection::LeftToRight;
    CharDirection previousEnd = CharDirection::Neutral;
    size_t runStart = 0; // where the current run of the other direction begins in ORDER
    size_t runEnd = 0;   // where a continuing piece goes
    for (int32_t i = line.first; i < line.end; ++i) {
        const PieceDirections directions = DirectionsOf(data, line[i], own, previousEnd);
        const bool continues = i > line.first && directions.start == previousEnd;
        const int32_t index = i - line.first;
        if (own == CharDirection::LeftToRight) {
            if (directions.start == other && continues) {
                order.insert(order.begin() + std::ptrdiff_t(runStart), index);
            } else {
                runStart = order.size();
                order.push_back(index);
            }
        } else if (directions.start == other && continues) {
            order.insert(order.begin() + std::ptrdiff_t(runEnd), index);
            ++runEnd;
        } else {
            order.insert(order.begin(), index);
            runEnd = 1;
        }
        previousEnd = directions.end;
    }
    return order;
}

} // namespace

void ReorderLine(const TCustomRVFormattedData& data, LineSpan line, TRVBiDiMode direction)
{
    if (direction == rvbdUnspecified || line.end - line.first < 2)
        return;
    const CharDirection own = direction == rvbdRightToLeft ? CharDirection::RightToLeft : CharDirection::LeftToRight;
    std::vector<int64_t> gapBefore(size_t(line.end - line.first), 0);
    for (int32_t i = line.first + 1; i < line.end; ++i)
        gapBefore[size_t(i - line.first)] = int64_t(line[i].Left) - line[i - 1].Right();
    const std::vector<int32_t> order = VisualOrder(data, line, own);
    int64_t x = line[line.first].Left;
    for (size_t k = 0; k < order.size(); ++k) {
        TRVDrawLineInfo& piece = line[line.first + order[k]];
        if (k > 0)
            x += gapBefore[size_t(order[k])];
        piece.Left = SaturateCoordinate(x);
        x += piece.Width;
    }
}

} // namespace vellum
