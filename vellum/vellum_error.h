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
// The property stream's messages.
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kInvalidPropertyValueType = "Invalid property value type";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kUnexpectedChildComponent = "Unexpected child component";
inline constexpr const char* kObjectsNestedTooDeep = "Objects nested too deep";
inline constexpr const char* kTooManyCollectionItems = "Too many collection items";
} // namespace messages

[[noreturn]] void ThrowVellumError(const char* message);

} // namespace vellum
