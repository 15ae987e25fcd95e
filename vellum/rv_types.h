// Small value types that every part of the engine shares.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vellum {

// Style maps, colour lists and other lists of 32-bit integers.
using TRVIntegerList = std::vector<int32_t>;

// Item text in its stored form: 8-bit code-page bytes, or UTF-16LE code units two bytes each.
using TRVRawByteString = std::string;

} // namespace vellum
