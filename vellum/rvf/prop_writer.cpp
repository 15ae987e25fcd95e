#include "vellum/rvf/prop_writer.h"

#include "platform/picture.h"
#include "platform/utf8.h"
#include "vellum/rvf/prop_picture.h"
#include "vellum/rvf/prop_streamed.h"

namespace vellum {

namespace {

bool IsAscii(std::u16string_view text)
{
    for (char16_t c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// Hands a class's defined properties to the stream under the object's prefix.
class DefinedWriter final : public DefinedPropertyWriter {
public:
    DefinedWriter(PropWriter& writer, const std::string& prefix) : FWriter(writer), FPrefix(prefix) {}

    void WriteInteger(std::string_view name, int64_t value) override
    {
        Name(name);
        FWriter.WriteInteger(value);
    }
    void WriteBoolean(std::string_view name, bool value) override
    {
        Name(name);
        FWriter.WriteBoolean(value);
    }
    void WriteString(std::string_view name, const std::u16string& value) override
    {
        Name(name);
        FWriter.WriteDefinedText(value);
    }
    void WriteBinary(std::string_view name, const std::string& bytes) override
    {
        Name(name);
        FWriter.WriteBinary(bytes);
    }

private:
    void Name(std::string_view name) { FWriter.WriteShortString(FPrefix + std::string(name)); }

    PropWriter& FWriter;
    const std::string& FPrefix;
};

} // namespace

// ---- Values ----

void PropWriter::WriteLE(uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        WriteByte(static_cast<uint8_t>(value >> (8 * i)));
}

void PropWriter::WriteShortString(std::string_view text)
{
    if (text.size() > 255)
        text = text.substr(0, 255);
    WriteByte(static_cast<uint8_t>(text.size()));
    FOut += text;
}

void PropWriter::WriteInteger(int64_t value)
{
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteValueType(PropValueType::Int8);
        WriteLE(static_cast<uint64_t>(value), 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteValueType(PropValueType::Int16);
        WriteLE(static_cast<uint64_t>(value), 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValueType(PropValueType::Int32);
        WriteLE(static_cast<uint64_t>(value), 4);
    } else {
        WriteInt64(value);
    }
}

void PropWriter::WriteInt64(int64_t value)
{
    WriteValueType(PropValueType::Int64);
    WriteLE(static_cast<uint64_t>(value), 8);
}

void PropWriter::WriteIdent(std::string_view name)
{
    if (SameText(name, "False"))
        return WriteValueType(PropValueType::False);
    if (SameText(name, "True"))
        return WriteValueType(PropValueType::True);
    if (SameText(name, "Null"))
        return WriteValueType(PropValueType::Null);
    if (SameText(name, "nil"))
        return WriteValueType(PropValueType::Nil);
    WriteValueType(PropValueType::Ident);
    WriteShortString(name);
}

void PropWriter::WriteBoolean(bool value)
{
    WriteValueType(value ? PropValueType::True : PropValueType::False);
}

void PropWriter::WriteNamedInteger(IntegerNameTable table, int32_t value)
{
    if (auto name = IntegerToIdent(table, value)) {
        WriteValueType(PropValueType::Ident);
        WriteShortString(*name);
        return;
    }
    WriteInteger(value);
}

void PropWriter::WriteLongText(PropValueType type, std::string_view bytes)
{
    WriteValueType(type);
    WriteLE(bytes.size(), 4);
    FOut += bytes;
}

void PropWriter::WriteAsciiOrUtf8(std::u16string_view text, const std::string& utf8)
{
    if (!IsAscii(text))
        return WriteLongText(PropValueType::Utf8String, utf8);
    if (utf8.size() >= 256)
        return WriteLongText(PropValueType::LString, utf8);
    WriteValueType(PropValueType::String);
    WriteShortString(utf8);
}

void PropWriter::WriteText(std::u16string_view text)
{
    const std::string utf8 = platform::Utf16ToUtf8(text);
    if (utf8.size() < text.size() * 2)
        return WriteAsciiOrUtf8(text, utf8);
    WriteValueType(PropValueType::WString);
    WriteLE(text.size(), 4);
    for (char16_t unit : text)
        WriteLE(unit, 2);
}

void PropWriter::WriteDefinedText(std::u16string_view text)
{
    WriteAsciiOrUtf8(text, platform::Utf16ToUtf8(text));
}

void PropWriter::WriteFloat(double value)
{
    WriteValueType(PropValueType::Extended);
    for (uint8_t b : DoubleToExtended(value))
        WriteByte(b);
}

void PropWriter::WriteBinary(std::string_view bytes)
{
    WriteLongText(PropValueType::Binary, bytes);
}

void PropWriter::WriteSet(uint64_t mask, std::span<const std::string_view> names)
{
    WriteValueType(PropValueType::Set);
    // Every named element is written, also above ordinal 31, so that no set loses elements.
    for (size_t i = 0; i < 64 && i < names.size(); ++i) {
        if ((mask >> i) & 1)
            WriteShortString(names[i]);
    }
    WriteShortString({});
}

// ---- Objects ----

void PropWriter::WriteProperties(const Persistent& obj, const std::string& prefix)
{
    for (const PropertyInfo& p : obj.Properties()) {
        if (p.Stored(obj))
            WriteProperty(obj, p, prefix);
    }
    WriteDefinedProperties(obj, prefix);
}

void PropWriter::WriteProperty(const Persistent& obj, const PropertyInfo& p, const std::string& prefix)
{
    const std::string name = prefix + std::string(p.Name);
    switch (p.Kind) {
    case PropertyKind::Integer:
    case PropertyKind::Enumeration:
    case PropertyKind::Set:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name);
        return WriteOrdinalProperty(obj, p);
    case PropertyKind::String:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name);
        return WriteText(p.GetString(obj));
    case PropertyKind::Reference:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name);
        return WriteIdent(platform::Utf16ToUtf8(p.GetString(obj)));
    case PropertyKind::Object: return WriteObjectProperty(obj, p, name);
    case PropertyKind::Collection:
        WriteShortString(name);
        return WriteCollection(*p.GetCollection(obj));
    case PropertyKind::Picture:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name + ".Data");
        return WriteBinary(EncodePictureData(*p.GetPicture(obj)));
    }
}

void PropWriter::WriteOrdinalProperty(const Persistent& obj, const PropertyInfo& p)
{
    const int64_t value = p.GetOrdinal(obj);
    if (p.Kind == PropertyKind::Set)
        return WriteSet(static_cast<uint64_t>(value) & p.SetMask(), p.ValueNames);
    const bool named = value >= 0 && static_cast<size_t>(value) < p.ValueNames.size() &&
                       !p.ValueNames[static_cast<size_t>(value)].empty();
    if (p.Kind == PropertyKind::Enumeration && named)
        return WriteIdent(p.ValueNames[static_cast<size_t>(value)]);
    if (p.IntegerNames != IntegerNameTable::None)
        return WriteNamedInteger(p.IntegerNames, static_cast<int32_t>(value));
    WriteInteger(value);
}

void PropWriter::WriteObjectProperty(const Persistent& obj, const PropertyInfo& p, const std::string& name)
{
    const Persistent* inner = p.GetObject(obj);
    if (!inner) {
        WriteShortString(name);
        return WriteValueType(PropValueType::Nil);
    }
    WriteProperties(*inner, name + ".");
}

void PropWriter::WriteDefinedProperties(const Persistent& obj, const std::string& prefix)
{
    DefinedWriter writer(*this, prefix);
    obj.WriteDefinedProperties(writer);
    if (const auto* streamed = dynamic_cast<const StreamedProperties*>(&obj))
        streamed->WriteStreamedProperties(*this, prefix);
}

void PropWriter::WriteCollection(const RvCollection& collection)
{
    WriteValueType(PropValueType::Collection);
    for (int i = 0; i < collection.Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection.PersistentAt(i));
        WriteListEnd();
    }
    WriteListEnd();
}

std::string WriteObjectEntries(const Persistent& obj)
{
    std::string out;
    PropWriter writer(out);
    writer.WriteProperties(obj);
    writer.WriteListEnd();
    return out;
}

std::string WriteCollectionValue(const RvCollection& collection)
{
    std::string out;
    PropWriter writer(out);
    writer.WriteCollection(collection);
    return out;
}

} // namespace vellum
