#include "vellum/style/cursors.h"

#include <map>

namespace vellum {

namespace {
std::map<CursorId, CursorImage>& CursorTable()
{
    static std::map<CursorId, CursorImage> table;
    return table;
}
} // namespace

void RegisterCursor(CursorId number, CursorImage image)
{
    CursorTable()[number] = image;
}

std::optional<CursorImage> RegisteredCursor(CursorId number)
{
    auto it = CursorTable().find(number);
    if (it == CursorTable().end())
        return std::nullopt;
    return it->second;
}

} // namespace vellum
