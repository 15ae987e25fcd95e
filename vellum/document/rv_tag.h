// Tags of items and checkpoints: a 32-bit integer, or an owned byte string when the control
// keeps string tags. A tag is a value: copying it duplicates the string, destroying it frees it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vellum {

class RvTag {
public:
    RvTag() = default;
    static RvTag FromInt(int32_t value);
    // An owned string; string tags without a string are "none".
    static RvTag FromString(std::string value);

    bool IsString() const { return FStr.has_value(); }
    // True for integer 0 and for no string.
    bool IsEmpty() const { return !FStr && FInt == 0; }
    int32_t AsInt() const { return FInt; }
    // The string, or null for none (and for integer tags).
    const std::string* AsString() const { return FStr ? &*FStr : nullptr; }

    // Strings compare as strings and only with strings; none equals none.
    bool operator==(const RvTag& other) const;

private:
    int32_t FInt = 0;
    std::optional<std::string> FStr;
};

} // namespace vellum
