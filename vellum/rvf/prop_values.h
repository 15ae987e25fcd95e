// The typed values of the binary property stream that carries style tables and component bodies:
// their type bytes, the identifier tables of integer types (colours, character sets, cursors),
// and the 80-bit float form.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "vellum/style/persistent.h"

namespace vellum {

// The type byte in front of every value.
enum class PropValueType : uint8_t {
    Null = 0,        // also the end of a list, of an object's entries and of a collection
    List = 1,        // values (or an item's entries) up to a Null
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,    // 10 bytes, 80-bit float
    String = 6,      // 1 length byte, single-byte text
    Ident = 7,       // 1 length byte, a name
    False = 8,
    True = 9,
    Binary = 10,     // 4-byte length, bytes
    Set = 11,        // short strings up to an empty one
    LString = 12,    // 4-byte length, single-byte text
    Nil = 13,
    Collection = 14, // items, each [integer] List entries Null; then Null
    Single = 15,     // 4 bytes
    Currency = 16,   // 8 bytes
    Date = 17,       // 8 bytes
    WString = 18,    // 4-byte count of UTF-16 code units, then the units
    Int64 = 19,
    Utf8String = 20, // 4-byte byte count, then UTF-8
};
constexpr uint8_t kPropValueTypeCount = 21;

// The signature in front of a component stream.
constexpr std::string_view kComponentSignature = "TPF0";

// The value of NAME in TABLE (names compared without regard to ASCII case).
std::optional<int32_t> IdentToInteger(IntegerNameTable table, std::string_view name);
// The first name of VALUE in TABLE, or none.
std::optional<std::string_view> IntegerToIdent(IntegerNameTable table, int32_t value);

// The range an integer property of that name table accepts: character sets are bytes, cursors
// are 16-bit, everything else 32-bit.
struct IntegerRange {
    int64_t Min;
    int64_t Max;
    bool Contains(int64_t v) const { return v >= Min && v <= Max; }
};
IntegerRange IntegerRangeOf(IntegerNameTable table);

// 80-bit extended float (64-bit mantissa with explicit leading bit, 15-bit exponent, sign).
double ExtendedToDouble(const std::array<uint8_t, 10>& bytes);
std::array<uint8_t, 10> DoubleToExtended(double value);

} // namespace vellum
