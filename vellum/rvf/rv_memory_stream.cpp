#include "vellum/rvf/rv_memory_stream.h"

#include <algorithm>

namespace vellum {

void TRVMemoryStream::Write(std::string_view bytes)
{
    size_t overlap = std::min(bytes.size(), FBytes.size() - FPos);
    FBytes.replace(FPos, overlap, bytes);
    FPos += bytes.size();
}

std::string_view TRVMemoryStream::Read(size_t n)
{
    std::string_view result = Remainder().substr(0, n);
    FPos += result.size();
    return result;
}

void TRVMemoryStream::Clear()
{
    FBytes.clear();
    FPos = 0;
}

} // namespace vellum
