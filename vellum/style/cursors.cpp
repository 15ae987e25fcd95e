#include "vellum/style/cursors.h"

#include <map>

namespace vellum {

namespace {
std::map<TCursor, TRVCursorImage>& CursorTable()
{
    static std::map<TCursor, TRVCursorImage> table;
    return table;
}
} // namespace

void RegisterCursor(TCursor number, TRVCursorImage image)
{
    CursorTable()[number] = image;
}

std::optional<TRVCursorImage> RegisteredCursor(TCursor number)
{
    auto it = CursorTable().find(number);
    if (it == CursorTable().end())
        return std::nullopt;
    return it->second;
}

} // namespace vellum
