#include "vellum/vellum_error.h"

namespace vellum {

void ThrowVellumError(const char* message)
{
    throw EVellumError(message);
}

} // namespace vellum
