// Objects whose published properties are stored by name. Each class describes its properties in
// a table (name, kind, default, accessors) in declaration order, inherited ones first, so that the
// property-stream reader and writer handle every class the same way. Extra entries that a class
// stores beside its published properties ("defined properties") go through two virtual hooks.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {
class Picture;
}

namespace vellum {

class Persistent;
class RvCollection;

enum class PropertyKind {
    Integer,     // GetOrdinal/SetOrdinal; may have a name table (IntegerNames)
    Enumeration, // GetOrdinal/SetOrdinal; ValueNames by ordinal ("False"/"True" for booleans)
    Set,         // GetOrdinal/SetOrdinal with bit n for element n; ValueNames by ordinal
    String,      // GetString/SetString (stored as UTF-16)
    Object,      // a nested persistent object; its entries are "Name.Sub"
    Collection,  // a collection of persistent items
    Picture,     // a picture held by the object; GetPicture/SetPicture
    Reference    // a reference to another component by name; GetString gives the name
};

// Name tables of integer properties (colour, character set and cursor identifiers).
enum class IntegerNameTable { None, Color, Charset, Cursor };

struct PropertyInfo {
    std::string_view Name;
    PropertyKind Kind = PropertyKind::Integer;
    IntegerNameTable IntegerNames = IntegerNameTable::None;
    // Enumeration and set element names, indexed by ordinal; an empty name is an ordinal that
    // the property's type does not accept.
    std::span<const std::string_view> ValueNames{};
    // Integer, enumeration and set defaults; a property without one is always written.
    bool HasDefault = false;
    int64_t Default = 0;

    int64_t (*GetOrdinal)(const Persistent&) = nullptr;
    void (*SetOrdinal)(Persistent&, int64_t) = nullptr;
    std::u16string (*GetString)(const Persistent&) = nullptr;
    void (*SetString)(Persistent&, const std::u16string&) = nullptr;
    // Object and collection: the const form may answer null (an object that is not created).
    const Persistent* (*GetObject)(const Persistent&) = nullptr;
    Persistent* (*ObjectForWrite)(Persistent&) = nullptr; // creates on demand
    const RvCollection* (*GetCollection)(const Persistent&) = nullptr;
    RvCollection* (*CollectionForWrite)(Persistent&) = nullptr;
    const platform::Picture* (*GetPicture)(const Persistent&) = nullptr;
    void (*SetPicture)(Persistent&, std::unique_ptr<platform::Picture>) = nullptr;
    // Null: always stored. Otherwise the property is written only when this answers true.
    bool (*IsStored)(const Persistent&) = nullptr;
    // Read-only properties reject values ("Property is read-only").
    bool ReadOnly = false;

    bool IsBoolean() const { return Kind == PropertyKind::Enumeration && ValueNames.size() == 2 && ValueNames[1] == "True"; }
    // True when the value equals the declared default (the writer skips it then).
    bool IsDefault(const Persistent& obj) const;
    bool Stored(const Persistent& obj) const { return !IsStored || IsStored(obj); }
    // For sets: the mask of the ordinals that have names.
    uint64_t SetMask() const;
    // The ordinal of NAME among ValueNames (ASCII case ignored), or -1.
    int FindValue(std::string_view name) const;
};

// Value of a defined property as the stream carried it.
using DefinedValue = std::variant<std::monostate, int64_t, bool, std::u16string, std::string>;

enum class DefinedRead { NotDefined, Read, InvalidValue };

// Receives the defined properties of an object while it is written.
class DefinedPropertyWriter {
public:
    virtual ~DefinedPropertyWriter() = default;
    virtual void WriteInteger(std::string_view name, int64_t value) = 0;
    virtual void WriteBoolean(std::string_view name, bool value) = 0;
    virtual void WriteString(std::string_view name, const std::u16string& value) = 0;
    virtual void WriteBinary(std::string_view name, const std::string& bytes) = 0;
};

class Persistent {
public:
    virtual ~Persistent() = default;

    // Published properties, inherited ones first.
    virtual std::span<const PropertyInfo> Properties() const = 0;
    virtual void WriteDefinedProperties(DefinedPropertyWriter& writer) const {}
    virtual DefinedRead ReadDefinedProperty(std::string_view name, const DefinedValue& value)
    {
        return DefinedRead::NotDefined;
    }

    const PropertyInfo* FindProperty(std::string_view name) const;
};

// A collection of persistent items as the stream reader and writer see it.
class RvCollection {
public:
    virtual ~RvCollection() = default;
    virtual int Count() const = 0;
    virtual const Persistent& PersistentAt(int index) const = 0;
    virtual Persistent& AddPersistent() = 0;
    virtual void Clear() = 0;
};

// Concatenates property tables (inherited properties first) into one table built once.
std::vector<PropertyInfo> JoinProperties(std::initializer_list<std::span<const PropertyInfo>> parts);

inline constexpr std::string_view kBooleanNames[] = {"False", "True"};

} // namespace vellum
