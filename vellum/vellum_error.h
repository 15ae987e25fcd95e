// The one error type of the engine. Its messages are fixed English texts that callers and tests
// compare exactly.
#pragma once

#include <stdexcept>
#include <string>

namespace vellum {

class EVellumError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace messages {
inline constexpr const char* kItemIndexOutOfBounds = "Item index is out of bounds";
inline constexpr const char* kInvalidRvfFormat = "Invalid RVF format";
inline constexpr const char* kWrongItemKind = "Can't get or set this kind of information for this item";
inline constexpr const char* kStyleNoRegistered =
    "Can't register Vellum item type - this StyleNo is already registered";
inline constexpr const char* kTagsTypeMismatch = "Can't assign Vellum to Vellum - tags types mismatch";
} // namespace messages

[[noreturn]] void ThrowVellumError(const char* message);

} // namespace vellum
