#include "vellum/rvf/prop_reader.h"

#include <array>

#include "platform/checked_math.h"
#include "platform/codepage.h"
#include "platform/picture.h"
#include "platform/utf8.h"
#include "vellum/rvf/prop_picture.h"

namespace vellum {

using VT = PropValueType;

namespace {

bool IsIntegerType(int t)
{
    return t == int(VT::Int8) || t == int(VT::Int16) || t == int(VT::Int32) || t == int(VT::Int64);
}

bool IsTextType(VT t)
{
    return t == VT::String || t == VT::LString || t == VT::WString || t == VT::Utf8String;
}

// Bytes after the type byte of the values whose size is fixed; -1 for the others.
int FixedSize(VT t)
{
    switch (t) {
    case VT::Null:
    case VT::False:
    case VT::True:
    case VT::Nil: return 0;
    case VT::Int8: return 1;
    case VT::Int16: return 2;
    case VT::Int32:
    case VT::Single: return 4;
    case VT::Currency:
    case VT::Date:
    case VT::Int64: return 8;
    case VT::Extended: return 10;
    default: return -1;
    }
}

int64_t SignExtend(uint64_t raw, int bytes)
{
    const int shift = 64 - 8 * bytes;
    return static_cast<int64_t>(raw << shift) >> shift;
}

std::u16string Utf16Of(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

// Where an entry's name leads: the object that owns the last name element, and that element.
struct PropReader::Target {
    Persistent* Object = nullptr;
    std::string Last;
    const PropertyInfo* Picture = nullptr; // "Picture.Data"
};

void PropReader::Fail(std::string message)
{
    if (!FFailed)
        FFailMessage = std::move(message);
    FFailed = true;
    FCursor.Fail();
}

// ---- Values ----

std::optional<PropValueType> PropReader::ReadValueType()
{
    const int t = PeekType();
    if (t < 0) {
        Fail("Stream read error");
        return std::nullopt;
    }
    if (t >= kPropValueTypeCount) {
        Fail("Invalid property value type");
        return std::nullopt;
    }
    FCursor.ReadByte();
    return static_cast<VT>(t);
}

bool PropReader::ReadExpected(PropValueType type)
{
    auto t = ReadValueType();
    if (t && *t != type)
        Fail("Invalid stream format");
    return Ok();
}

bool PropReader::ReadShortString(std::string& out)
{
    const uint8_t length = FCursor.ReadByte();
    std::string_view text = FCursor.Take(length);
    if (!FCursor.Ok()) {
        Fail("Stream read error");
        return false;
    }
    out.assign(text);
    return true;
}

bool PropReader::EndOfList()
{
    if (PeekType() != int(VT::Null))
        return false;
    FCursor.ReadByte();
    return true;
}

std::optional<int64_t> PropReader::ReadInteger()
{
    auto t = ReadValueType();
    if (!t)
        return std::nullopt;
    if (!IsIntegerType(int(*t))) {
        Fail("Invalid property value");
        return std::nullopt;
    }
    const int size = FixedSize(*t);
    std::string_view raw = FCursor.Take(static_cast<size_t>(size));
    if (!FCursor.Ok()) {
        Fail("Stream read error");
        return std::nullopt;
    }
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(raw[static_cast<size_t>(i)]);
    return SignExtend(value, size);
}

bool PropReader::ReadTextValue(PropValueType type, std::u16string& out)
{
    uint64_t length = type == VT::String ? FCursor.ReadByte() : FCursor.ReadU32LE();
    const uint64_t unit = type == VT::WString ? 2 : 1;
    auto bytes = platform::CheckedMul<uint64_t>(length, unit);
    if (!bytes || *bytes > FCursor.Remaining()) {
        Fail("Stream read error");
        return false;
    }
    std::string_view raw = FCursor.Take(static_cast<size_t>(*bytes));
    if (type == VT::Utf8String) {
        out = platform::Utf8ToUtf16(raw);
    } else if (type == VT::WString) {
        out.resize(static_cast<size_t>(length));
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) | (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
    } else {
        out = platform::ToUtf16(raw, platform::SystemCodePage());
    }
    return Ok();
}

// ---- Skipping ----

bool PropReader::SkipSized(size_t unit)
{
    const uint64_t count = FCursor.ReadU32LE();
    auto bytes = platform::CheckedMul<uint64_t>(count, unit);
    if (!FCursor.Ok() || !bytes || *bytes > FCursor.Remaining())
        return false;
    FCursor.Take(static_cast<size_t>(*bytes));
    return true;
}

bool PropReader::SkipSetNames()
{
    for (;;) {
        const uint8_t length = FCursor.ReadByte();
        if (!FCursor.Ok())
            return false;
        if (length == 0)
            return true;
        FCursor.Take(length);
    }
}

// Skips the next value; a list or a collection opens a level instead of recursing.
bool PropReader::SkipOne(std::vector<Open>& open)
{
    const int t = FCursor.Peek();
    if (t < 0 || t >= kPropValueTypeCount)
        return false;
    FCursor.ReadByte();
    const VT type = static_cast<VT>(t);
    if (int size = FixedSize(type); size >= 0) {
        FCursor.Take(static_cast<size_t>(size));
        return FCursor.Ok();
    }
    switch (type) {
    case VT::List: open.push_back(Open::ListValues); return true;
    case VT::Collection: open.push_back(Open::CollectionItems); return true;
    case VT::String:
    case VT::Ident: FCursor.Take(FCursor.ReadByte()); return FCursor.Ok();
    case VT::Set: return SkipSetNames();
    case VT::Binary:
    case VT::LString:
    case VT::Utf8String: return SkipSized(1);
    case VT::WString: return SkipSized(2);
    default: return false;
    }
}

bool PropReader::SkipStep(std::vector<Open>& open)
{
    if (open.empty())
        return SkipOne(open);
    if (open.size() > kMaxSkipDepth)
        return false;
    if (FCursor.SkipIf(0)) {
        open.pop_back();
        return true;
    }
    switch (open.back()) {
    case Open::ListValues: return SkipOne(open);
    case Open::Entries:
        FCursor.Take(FCursor.ReadByte());
        return FCursor.Ok() && SkipOne(open);
    case Open::CollectionItems: {
        if (IsIntegerType(FCursor.Peek()) && !SkipOne(open))
            return false;
        if (!FCursor.SkipIf(uint8_t(VT::List)))
            return false;
        open.push_back(Open::Entries);
        return true;
    }
    }
    return false;
}

bool PropReader::SkipValue()
{
    if (FFailed)
        return false;
    std::vector<Open> open;
    do {
        if (!SkipStep(open) || !FCursor.Ok()) {
            Fail("Stream read error");
            return false;
        }
    } while (!open.empty());
    return true;
}

// ---- Objects ----

bool PropReader::EnterObject()
{
    if (FDepth >= kMaxObjectDepth) {
        Fail("Objects nested too deep");
        return false;
    }
    ++FDepth;
    return true;
}

bool PropReader::ReadProperties(Persistent& obj)
{
    if (!EnterObject())
        return false;
    while (Ok() && !EndOfList()) {
        if (FCursor.AtEnd())
            Fail("Stream read error");
        else
            ReadEntry(obj);
    }
    LeaveObject();
    return Ok();
}

bool PropReader::ReadCollectionValue(RvCollection& collection)
{
    if (!ReadExpected(VT::Collection))
        return false;
    if (EndOfList())
        return true;
    const int limit = FDepth == 0 ? kMaxCollectionItems : kMaxNestedCollectionItems;
    if (!EnterObject())
        return false;
    collection.Clear();
    int count = 0;
    while (Ok() && !EndOfList()) {
        if (IsIntegerType(PeekType()))
            ReadInteger(); // an order number, not needed
        if (!ReadExpected(VT::List))
            break;
        if (++count > limit) {
            Fail("Too many collection items");
            break;
        }
        ReadProperties(collection.AddPersistent());
    }
    LeaveObject();
    return Ok();
}

// The end of the value at the cursor, found by skipping it; the cursor stays where it was.
bool PropReader::ValueEnd(size_t& end)
{
    const size_t start = FCursor.Position();
    if (!SkipValue())
        return false;
    end = FCursor.Position();
    FCursor.Seek(start);
    return true;
}

bool PropReader::ReportEntryError(PropErrorKind kind, const std::string& name, size_t valueEnd,
                                     std::string message)
{
    PropError error{kind, name, message};
    if (!OnError || !OnError(error)) {
        Fail(std::move(message));
        return false;
    }
    // Handled: go on after the whole value, never from its middle.
    FCursor.Seek(valueEnd);
    return true;
}

bool PropReader::ResolvePath(Persistent& root, const std::string& name, Target& target)
{
    Persistent* obj = &root;
    size_t start = 0;
    for (;;) {
        const size_t dot = name.find('.', start);
        std::string element = name.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (dot == std::string::npos) {
            target.Object = obj;
            target.Last = std::move(element);
            return true;
        }
        const PropertyInfo* p = obj->FindProperty(element);
        const std::string_view rest = std::string_view(name).substr(dot + 1);
        if (p && p->Kind == PropertyKind::Picture && rest == "Data") {
            target.Object = obj;
            target.Picture = p;
            return true;
        }
        if (!p || p->Kind != PropertyKind::Object || !p->ObjectForWrite)
            return false;
        obj = p->ObjectForWrite(*obj);
        if (!obj)
            return false;
        start = dot + 1;
    }
}

bool PropReader::ReadEntry(Persistent& obj)
{
    std::string name;
    if (!ReadShortString(name))
        return false;
    Target target;
    const bool resolved = ResolvePath(obj, name, target);
    if (resolved && !target.Picture) {
        auto* streamed = dynamic_cast<StreamedProperties*>(target.Object);
        if (streamed && target.Object->FindProperty(target.Last) == nullptr &&
            streamed->TakesStreamedProperty(target.Last))
        {
            if (!streamed->ReadStreamedProperty(target.Last, *this))
                Fail("Invalid property value");
            return Ok();
        }
    }
    size_t end = 0;
    if (!ValueEnd(end))
        return false;
    if (!resolved)
        return ReportEntryError(PropErrorKind::InvalidPath, name, end, "Invalid property path");
    std::optional<PropErrorKind> error;
    if (target.Picture) {
        error = ReadPicture(*target.Object, *target.Picture);
    } else if (const PropertyInfo* p = target.Object->FindProperty(target.Last)) {
        error = ReadPublished(*target.Object, *p);
    } else {
        error = ReadDefined(*target.Object, target.Last);
    }
    if (!Ok())
        return false;
    if (!error) {
        FCursor.Seek(end);
        return true;
    }
    switch (*error) {
    case PropErrorKind::UnknownProperty:
        return ReportEntryError(*error, name, end, "Property " + name + " does not exist");
    case PropErrorKind::ReadOnly: return ReportEntryError(*error, name, end, "Property is read-only");
    case PropErrorKind::InvalidValue: return ReportEntryError(*error, name, end, "Invalid property value");
    case PropErrorKind::InvalidPath: return ReportEntryError(*error, name, end, "Invalid property path");
    }
    return false;
}

std::optional<PropErrorKind> PropReader::ReadPublished(Persistent& obj, const PropertyInfo& p)
{
    if (p.ReadOnly)
        return PropErrorKind::ReadOnly;
    switch (p.Kind) {
    case PropertyKind::Integer: return ReadInteger(obj, p);
    case PropertyKind::Enumeration: return ReadEnumeration(obj, p);
    case PropertyKind::Set: return ReadSet(obj, p);
    case PropertyKind::String: return ReadString(obj, p);
    case PropertyKind::Reference: return ReadReference(obj, p);
    case PropertyKind::Object: return ReadObject(obj, p);
    case PropertyKind::Collection: return ReadCollection(obj, p);
    case PropertyKind::Picture: return PropErrorKind::InvalidValue; // only as "Picture.Data"
    }
    return PropErrorKind::InvalidValue;
}

std::optional<PropErrorKind> PropReader::ReadInteger(Persistent& obj, const PropertyInfo& p)
{
    if (!p.SetOrdinal)
        return PropErrorKind::ReadOnly;
    int64_t value = 0;
    if (PeekType() == int(VT::Ident)) {
        FCursor.ReadByte();
        std::string name;
        if (!ReadShortString(name))
            return std::nullopt;
        auto named = IdentToInteger(p.IntegerNames, name);
        if (!named)
            return PropErrorKind::InvalidValue;
        value = *named;
    } else {
        const int t = PeekType();
        if (t != int(VT::Int8) && t != int(VT::Int16) && t != int(VT::Int32))
            return PropErrorKind::InvalidValue;
        value = ReadInteger().value_or(0);
    }
    if (!IntegerRangeOf(p.IntegerNames).Contains(value))
        return PropErrorKind::InvalidValue;
    p.SetOrdinal(obj, value);
    return std::nullopt;
}

bool PropReader::ReadEnumName(PropValueType type, std::string& name)
{
    switch (type) {
    case VT::Ident: return ReadShortString(name);
    case VT::False: name = "False"; return true;
    case VT::True: name = "True"; return true;
    case VT::Null: name = "Null"; return true;
    case VT::Nil: name = "nil"; return true;
    default: return false;
    }
}

std::optional<PropErrorKind> PropReader::ReadEnumeration(Persistent& obj, const PropertyInfo& p)
{
    if (!p.SetOrdinal)
        return PropErrorKind::ReadOnly;
    auto t = ReadValueType();
    std::string name;
    if (!t || !ReadEnumName(*t, name))
        return PropErrorKind::InvalidValue;
    // A name the enumeration does not have leaves the property as it was.
    const int ordinal = p.FindValue(name);
    if (ordinal < 0)
        return PropErrorKind::InvalidValue;
    p.SetOrdinal(obj, ordinal);
    return std::nullopt;
}

std::optional<PropErrorKind> PropReader::ReadSet(Persistent& obj, const PropertyInfo& p)
{
    if (!p.SetOrdinal)
        return PropErrorKind::ReadOnly;
    auto t = ReadValueType();
    if (!t || *t != VT::Set)
        return PropErrorKind::InvalidValue;
    uint64_t mask = 0;
    std::string name;
    while (ReadShortString(name) && !name.empty()) {
        // Element names the set type does not know are dropped.
        const int ordinal = p.FindValue(name);
        if (ordinal >= 0 && ordinal < 64)
            mask |= uint64_t{1} << ordinal;
    }
    if (!Ok())
        return std::nullopt;
    p.SetOrdinal(obj, static_cast<int64_t>(mask));
    return std::nullopt;
}

std::optional<PropErrorKind> PropReader::ReadString(Persistent& obj, const PropertyInfo& p)
{
    if (!p.SetString)
        return PropErrorKind::ReadOnly;
    auto t = ReadValueType();
    std::u16string text;
    if (!t || !IsTextType(*t))
        return PropErrorKind::InvalidValue;
    if (ReadTextValue(*t, text))
        p.SetString(obj, text);
    return std::nullopt;
}

std::optional<PropErrorKind> PropReader::ReadReference(Persistent& obj, const PropertyInfo& p)
{
    if (!p.SetString)
        return PropErrorKind::ReadOnly;
    auto t = ReadValueType();
    std::string name;
    if (t == VT::Nil) {
        p.SetString(obj, {});
        return std::nullopt;
    }
    if (t != VT::Ident)
        return PropErrorKind::InvalidValue;
    if (ReadShortString(name))
        p.SetString(obj, Utf16Of(name));
    return std::nullopt;
}

std::optional<PropErrorKind> PropReader::ReadObject(Persistent&, const PropertyInfo& p)
{
    if (!p.ObjectForWrite)
        return PropErrorKind::ReadOnly;
    // Nil sets no object; naming a component is not supported by the objects read here.
    auto t = ReadValueType();
    return t == VT::Nil ? std::nullopt : std::optional(PropErrorKind::InvalidValue);
}

std::optional<PropErrorKind> PropReader::ReadCollection(Persistent& obj, const PropertyInfo& p)
{
    RvCollection* collection = p.CollectionForWrite ? p.CollectionForWrite(obj) : nullptr;
    if (!collection)
        return PropErrorKind::ReadOnly;
    if (PeekType() != int(VT::Collection))
        return PropErrorKind::InvalidValue;
    ReadCollectionValue(*collection);
    return std::nullopt;
}

std::optional<PropErrorKind> PropReader::ReadPicture(Persistent& obj, const PropertyInfo& p)
{
    if (!p.SetPicture)
        return PropErrorKind::ReadOnly;
    auto t = ReadValueType();
    if (t != VT::Binary)
        return PropErrorKind::InvalidValue;
    std::string_view data = FCursor.Take(FCursor.ReadU32LE());
    if (!FCursor.Ok()) {
        Fail("Stream read error");
        return std::nullopt;
    }
    auto picture = DecodePictureData(data);
    if (!picture)
        return PropErrorKind::InvalidValue;
    p.SetPicture(obj, std::move(picture));
    return std::nullopt;
}

DefinedValue PropReader::ReadDefinedValue()
{
    const int t = PeekType();
    if (IsIntegerType(t))
        return ReadInteger().value_or(0);
    if (t == int(VT::False) || t == int(VT::True)) {
        FCursor.ReadByte();
        return t == int(VT::True);
    }
    if (t >= 0 && t < kPropValueTypeCount && IsTextType(static_cast<VT>(t))) {
        FCursor.ReadByte();
        std::u16string text;
        ReadTextValue(static_cast<VT>(t), text);
        return text;
    }
    if (t == int(VT::Binary)) {
        FCursor.ReadByte();
        return std::string(FCursor.Take(FCursor.ReadU32LE()));
    }
    return std::monostate{};
}

std::optional<PropErrorKind> PropReader::ReadDefined(Persistent& obj, std::string_view name)
{
    const DefinedValue value = ReadDefinedValue();
    if (!FCursor.Ok()) {
        Fail("Stream read error");
        return std::nullopt;
    }
    switch (obj.ReadDefinedProperty(name, value)) {
    case DefinedRead::NotDefined: return PropErrorKind::UnknownProperty;
    case DefinedRead::InvalidValue: return PropErrorKind::InvalidValue;
    case DefinedRead::Read: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace vellum
