// Component streams: the signature, then a component (class name, name, property entries and
// child components). Readers create only the classes registered with them, so a stored class
// name can never make the program build an object it did not mean to.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vellum/rvf/prop_reader.h"
#include "vellum/rvf/prop_writer.h"
#include "vellum/style/persistent.h"

namespace vellum {

class Component : public Persistent {
public:
    std::string Name;

    virtual std::string_view ClassName() const = 0;
    // Components that hold no children refuse a child list.
    virtual bool AcceptsChildren() const { return false; }
    virtual void AddChild(std::unique_ptr<Component> child) {}
    virtual int ChildCount() const { return 0; }
    virtual const Component* ChildAt(int index) const { return nullptr; }
};

using ComponentFactory = std::unique_ptr<Component> (*)();

// The classes a reader may create by name.
class ComponentRegistry {
public:
    void Register(std::string_view className, ComponentFactory factory);
    // A new instance of the class of that name (exact match), or null when it is not registered.
    std::unique_ptr<Component> Create(std::string_view className) const;

private:
    struct Entry {
        std::string Name;
        ComponentFactory Factory;
    };
    std::vector<Entry> FEntries;
};

// The component body without the signature (the child form), with the optional prefix byte.
// INTO receives the entries when given; otherwise the class is made from REGISTRY. Null (and a
// fatal reader) when anything is wrong.
std::unique_ptr<Component> ReadComponent(PropReader& reader, const ComponentRegistry& registry,
                                            Component* into);
// Reads INTO's entries from its body as ReadComponent does; false on failure.
bool ReadComponentInto(PropReader& reader, const ComponentRegistry& registry, Component& into);

// A whole stream with its signature. ERROR receives the reason of a failure.
std::unique_ptr<Component> ReadComponentStream(std::string_view bytes, const ComponentRegistry& registry,
                                                  const PropErrorHandler& onError, std::string* error = nullptr);
bool ReadComponentStreamInto(std::string_view bytes, const ComponentRegistry& registry, Component& into,
                             const PropErrorHandler& onError, std::string* error = nullptr);

void WriteComponent(PropWriter& writer, const Component& component);
std::string WriteComponentStream(const Component& component);

} // namespace vellum
