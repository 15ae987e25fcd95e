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
class DefinedWriter final : public TRVDefinedPropertyWriter {
public:
    DefinedWriter(TRVPropWriter& writer, const std::string& prefix) : FWriter(writer), FPrefix(prefix) {}

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

    TRVPropWriter& FWriter;
    const std::string& FPrefix;
};

} // namespace

// ---- Values ----

void TRVPropWriter::WriteLE(uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        WriteByte(static_cast<uint8_t>(value >> (8 * i)));
}

void TRVPropWriter::WriteShortString(std::string_view text)
{
    if (text.size() > 255)
        text = text.substr(0, 255);
    WriteByte(static_cast<uint8_t>(text.size()));
    FOut += text;
}

void TRVPropWriter::WriteInteger(int64_t value)
{
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteValueType(TRVPropValueType::Int8);
        WriteLE(static_cast<uint64_t>(value), 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteValueType(TRVPropValueType::Int16);
        WriteLE(static_cast<uint64_t>(value), 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValueType(TRVPropValueType::Int32);
        WriteLE(static_cast<uint64_t>(value), 4);
    } else {
        WriteInt64(value);
    }
}

void TRVPropWriter::WriteInt64(int64_t value)
{
    WriteValueType(TRVPropValueType::Int64);
    WriteLE(static_cast<uint64_t>(value), 8);
}

void TRVPropWriter::WriteIdent(std::string_view name)
{
    if (SameText(name, "False"))
        return WriteValueType(TRVPropValueType::False);
    if (SameText(name, "True"))
        return WriteValueType(TRVPropValueType::True);
    if (SameText(name, "Null"))
        return WriteValueType(TRVPropValueType::Null);
    if (SameText(name, "nil"))
        return WriteValueType(TRVPropValueType::Nil);
    WriteValueType(TRVPropValueType::Ident);
    WriteShortString(name);
}

void TRVPropWriter::WriteBoolean(bool value)
{
    WriteValueType(value ? TRVPropValueType::True : TRVPropValueType::False);
}

void TRVPropWriter::WriteNamedInteger(TRVIntegerNames table, int32_t value)
{
    if (auto name = IntegerToIdent(table, value)) {
        WriteValueType(TRVPropValueType::Ident);
        WriteShortString(*name);
        return;
    }
    WriteInteger(value);
}

void TRVPropWriter::WriteLongText(TRVPropValueType type, std::string_view bytes)
{
    WriteValueType(type);
    WriteLE(bytes.size(), 4);
    FOut += bytes;
}

void TRVPropWriter::WriteAsciiOrUtf8(std::u16string_view text, const std::string& utf8)
{
    if (!IsAscii(text))
        return WriteLongText(TRVPropValueType::Utf8String, utf8);
    if (utf8.size() >= 256)
        return WriteLongText(TRVPropValueType::LString, utf8);
    WriteValueType(TRVPropValueType::String);
    WriteShortString(utf8);
}

void TRVPropWriter::WriteText(std::u16string_view text)
{
    const std::string utf8 = platform::Utf16ToUtf8(text);
    if (utf8.size() < text.size() * 2)
        return WriteAsciiOrUtf8(text, utf8);
    WriteValueType(TRVPropValueType::WString);
    WriteLE(text.size(), 4);
    for (char16_t unit : text)
        WriteLE(unit, 2);
}

void TRVPropWriter::WriteDefinedText(std::u16string_view text)
{
    WriteAsciiOrUtf8(text, platform::Utf16ToUtf8(text));
}

void TRVPropWriter::WriteFloat(double value)
{
    WriteValueType(TRVPropValueType::Extended);
    for (uint8_t b : DoubleToExtended(value))
        WriteByte(b);
}

void TRVPropWriter::WriteBinary(std::string_view bytes)
{
    WriteLongText(TRVPropValueType::Binary, bytes);
}

void TRVPropWriter::WriteSet(uint64_t mask, std::span<const std::string_view> names)
{
    WriteValueType(TRVPropValueType::Set);
    // Every named element is written, also above ordinal 31, so that no set loses elements.
    for (size_t i = 0; i < 64 && i < names.size(); ++i) {
        if ((mask >> i) & 1)
            WriteShortString(names[i]);
    }
    WriteShortString({});
}

// ---- Objects ----

void TRVPropWriter::WriteProperties(const TRVPersistent& obj, const std::string& prefix)
{
    for (const TRVPropertyInfo& p : obj.Properties()) {
        if (p.Stored(obj))
            WriteProperty(obj, p, prefix);
    }
    WriteDefinedProperties(obj, prefix);
}

void TRVPropWriter::WriteProperty(const TRVPersistent& obj, const TRVPropertyInfo& p, const std::string& prefix)
{
    const std::string name = prefix + std::string(p.Name);
    switch (p.Kind) {
    case TRVPropertyKind::Integer:
    case TRVPropertyKind::Enumeration:
    case TRVPropertyKind::Set:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name);
        return WriteOrdinalProperty(obj, p);
    case TRVPropertyKind::String:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name);
        return WriteText(p.GetString(obj));
    case TRVPropertyKind::Reference:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name);
        return WriteIdent(platform::Utf16ToUtf8(p.GetString(obj)));
    case TRVPropertyKind::Object: return WriteObjectProperty(obj, p, name);
    case TRVPropertyKind::Collection:
        WriteShortString(name);
        return WriteCollection(*p.GetCollection(obj));
    case TRVPropertyKind::Picture:
        if (p.IsDefault(obj))
            return;
        WriteShortString(name + ".Data");
        return WriteBinary(EncodePictureData(*p.GetPicture(obj)));
    }
}

void TRVPropWriter::WriteOrdinalProperty(const TRVPersistent& obj, const TRVPropertyInfo& p)
{
    const int64_t value = p.GetOrdinal(obj);
    if (p.Kind == TRVPropertyKind::Set)
        return WriteSet(static_cast<uint64_t>(value) & p.SetMask(), p.ValueNames);
    const bool named = value >= 0 && static_cast<size_t>(value) < p.ValueNames.size() &&
                       !p.ValueNames[static_cast<size_t>(value)].empty();
    if (p.Kind == TRVPropertyKind::Enumeration && named)
        return WriteIdent(p.ValueNames[static_cast<size_t>(value)]);
    if (p.IntegerNames != TRVIntegerNames::None)
        return WriteNamedInteger(p.IntegerNames, static_cast<int32_t>(value));
    WriteInteger(value);
}

void TRVPropWriter::WriteObjectProperty(const TRVPersistent& obj, const TRVPropertyInfo& p, const std::string& name)
{
    const TRVPersistent* inner = p.GetObject(obj);
    if (!inner) {
        WriteShortString(name);
        return WriteValueType(TRVPropValueType::Nil);
    }
    WriteProperties(*inner, name + ".");
}

void TRVPropWriter::WriteDefinedProperties(const TRVPersistent& obj, const std::string& prefix)
{
    DefinedWriter writer(*this, prefix);
    obj.WriteDefinedProperties(writer);
    if (const auto* streamed = dynamic_cast<const TRVStreamedProperties*>(&obj))
        streamed->WriteStreamedProperties(*this, prefix);
}

void TRVPropWriter::WriteCollection(const TRVCollection& collection)
{
    WriteValueType(TRVPropValueType::Collection);
    for (int i = 0; i < collection.Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection.PersistentAt(i));
        WriteListEnd();
    }
    WriteListEnd();
}

std::string WriteObjectEntries(const TRVPersistent& obj)
{
    std::string out;
    TRVPropWriter writer(out);
    writer.WriteProperties(obj);
    writer.WriteListEnd();
    return out;
}

std::string WriteCollectionValue(const TRVCollection& collection)
{
    std::string out;
    TRVPropWriter writer(out);
    writer.WriteCollection(collection);
    return out;
}

} // namespace vellum
