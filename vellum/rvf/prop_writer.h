// Writes typed values and whole objects in the binary property stream format. Objects are
// written from their published property tables (inherited properties first), each property
// only when it differs from its default, then their defined properties.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vellum/rvf/prop_values.h"
#include "vellum/style/persistent.h"

namespace vellum {

class PropWriter {
public:
    explicit PropWriter(std::string& out) : FOut(out) {}

    const std::string& Bytes() const { return FOut; }

    // ---- Values ----
    void WriteValueType(PropValueType type) { FOut += static_cast<char>(type); }
    // One length byte and the text, cut to 255 bytes.
    void WriteShortString(std::string_view text);
    // The shortest of int8, int16 and int32; int64 beyond 32 bits.
    void WriteInteger(int64_t value);
    void WriteInt64(int64_t value);
    // An identifier; "False", "True", "Null" and "nil" (any case) become their type bytes.
    void WriteIdent(std::string_view name);
    void WriteBoolean(bool value);
    // An integer of a type with a name table: its name when it has one, else the number.
    void WriteNamedInteger(IntegerNameTable table, int32_t value);
    // A text property: wide string when UTF-8 would not be shorter than UTF-16, plain string
    // (or long string) for ASCII, otherwise UTF-8 string.
    void WriteText(std::u16string_view text);
    // Text of a defined property: plain string for ASCII, otherwise UTF-8 string.
    void WriteDefinedText(std::u16string_view text);
    void WriteFloat(double value);
    void WriteBinary(std::string_view bytes);
    // Set value: the names of the elements present, lowest first, then an empty name.
    void WriteSet(uint64_t mask, std::span<const std::string_view> names);
    void WriteListBegin() { WriteValueType(PropValueType::List); }
    void WriteListEnd() { WriteValueType(PropValueType::Null); }

    // ---- Objects ----
    // OBJ's property entries with every name prefixed by PREFIX; no end byte.
    void WriteProperties(const Persistent& obj, const std::string& prefix = {});
    // A collection value: type 14, each item as a list of its entries, then the end byte.
    void WriteCollection(const RvCollection& collection);

private:
    void WriteByte(uint8_t b) { FOut += static_cast<char>(b); }
    void WriteLE(uint64_t value, int bytes);
    void WriteLongText(PropValueType type, std::string_view bytes);
    void WriteAsciiOrUtf8(std::u16string_view text, const std::string& utf8);
    void WriteProperty(const Persistent& obj, const PropertyInfo& p, const std::string& prefix);
    void WriteOrdinalProperty(const Persistent& obj, const PropertyInfo& p);
    void WriteObjectProperty(const Persistent& obj, const PropertyInfo& p, const std::string& name);
    void WriteDefinedProperties(const Persistent& obj, const std::string& prefix);

    std::string& FOut;
};

// An object's entries and the end byte, as one item of a collection carries them (without the
// list start), written into a new byte string. Convenient for tests and tools.
std::string WriteObjectEntries(const Persistent& obj);
// A whole collection value (starting with type 14).
std::string WriteCollectionValue(const RvCollection& collection);

} // namespace vellum
