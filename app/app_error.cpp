#include "app/app_error.h"

namespace wenlocke {

AppError ListIndexError(int index)
{
    return AppError("List index out of bounds (" + std::to_string(index) + ")");
}

AppError WriteError(const std::string& path)
{
    return AppError("Unable to write to " + path);
}

} // namespace wenlocke
