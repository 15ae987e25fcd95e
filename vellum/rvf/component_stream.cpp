#include "vellum/rvf/component_stream.h"

namespace vellum {

namespace {

constexpr uint8_t kPrefixMark = 0xF0;
constexpr uint8_t kPrefixChildPos = 2;

// The optional prefix byte; a child position that follows it is read and not needed.
bool ReadPrefix(PropReader& reader)
{
    const int b = reader.PeekType();
    if (b < 0 || (b & kPrefixMark) != kPrefixMark)
        return true;
    reader.Cursor().ReadByte();
    if (b & kPrefixChildPos)
        return reader.ReadInteger().has_value();
    return true;
}

bool ReadChildren(PropReader& reader, const ComponentRegistry& registry, Component& parent)
{
    while (reader.Ok() && !reader.EndOfList()) {
        if (!parent.AcceptsChildren()) {
            reader.Fail("Unexpected child component");
            return false;
        }
        auto child = ReadComponent(reader, registry, nullptr);
        if (!child)
            return false;
        parent.AddChild(std::move(child));
    }
    return reader.Ok();
}

bool ReadBody(PropReader& reader, const ComponentRegistry& registry, Component& component,
              std::string name)
{
    component.Name = std::move(name);
    if (!reader.EnterObject())
        return false;
    const bool ok = reader.ReadProperties(component) && ReadChildren(reader, registry, component);
    reader.LeaveObject();
    return ok;
}

bool ReadHead(PropReader& reader, std::string& className, std::string& name)
{
    return ReadPrefix(reader) && reader.ReadShortString(className) && reader.ReadShortString(name);
}

bool CheckSignature(PropReader& reader)
{
    std::string_view sig = reader.Cursor().Take(kComponentSignature.size());
    if (sig != kComponentSignature)
        reader.Fail("Invalid stream format");
    return reader.Ok();
}

void Report(const PropReader& reader, std::string* error)
{
    if (error && !reader.Ok())
        *error = reader.FailMessage();
}

} // namespace

void ComponentRegistry::Register(std::string_view className, ComponentFactory factory)
{
    for (Entry& e : FEntries) {
        if (e.Name == className) {
            e.Factory = factory;
            return;
        }
    }
    FEntries.push_back({std::string(className), factory});
}

std::unique_ptr<Component> ComponentRegistry::Create(std::string_view className) const
{
    for (const Entry& e : FEntries) {
        if (e.Name == className)
            return e.Factory();
    }
    return nullptr;
}

std::unique_ptr<Component> ReadComponent(PropReader& reader, const ComponentRegistry& registry,
                                            Component* into)
{
    std::string className;
    std::string name;
    if (!ReadHead(reader, className, name))
        return nullptr;
    std::unique_ptr<Component> made;
    if (!into) {
        made = registry.Create(className);
        if (!made) {
            reader.Fail("Class " + className + " not found");
            return nullptr;
        }
        into = made.get();
    }
    if (!ReadBody(reader, registry, *into, std::move(name)))
        return nullptr;
    return made;
}

bool ReadComponentInto(PropReader& reader, const ComponentRegistry& registry, Component& into)
{
    std::string className;
    std::string name;
    return ReadHead(reader, className, name) && ReadBody(reader, registry, into, std::move(name));
}

std::unique_ptr<Component> ReadComponentStream(std::string_view bytes, const ComponentRegistry& registry,
                                                  const PropErrorHandler& onError, std::string* error)
{
    PropReader reader(bytes);
    reader.OnError = onError;
    std::unique_ptr<Component> result;
    if (CheckSignature(reader))
        result = ReadComponent(reader, registry, nullptr);
    Report(reader, error);
    return reader.Ok() ? std::move(result) : nullptr;
}

bool ReadComponentStreamInto(std::string_view bytes, const ComponentRegistry& registry, Component& into,
                             const PropErrorHandler& onError, std::string* error)
{
    PropReader reader(bytes);
    reader.OnError = onError;
    const bool ok = CheckSignature(reader) && ReadComponentInto(reader, registry, into);
    Report(reader, error);
    return ok;
}

void WriteComponent(PropWriter& writer, const Component& component)
{
    writer.WriteShortString(component.ClassName());
    writer.WriteShortString(component.Name);
    writer.WriteProperties(component);
    writer.WriteListEnd();
    for (int i = 0; i < component.ChildCount(); ++i) {
        if (const Component* child = component.ChildAt(i))
            WriteComponent(writer, *child);
    }
    writer.WriteListEnd();
}

std::string WriteComponentStream(const Component& component)
{
    std::string out(kComponentSignature);
    PropWriter writer(out);
    WriteComponent(writer, component);
    return out;
}

} // namespace vellum
