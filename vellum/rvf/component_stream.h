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

class TRVComponent : public TRVPersistent {
public:
    std::string Name;

    virtual std::string_view ClassName() const = 0;
    // Components that hold no children refuse a child list.
    virtual bool AcceptsChildren() const { return false; }
    virtual void AddChild(std::unique_ptr<TRVComponent> child) {}
    virtual int ChildCount() const { return 0; }
    virtual const TRVComponent* ChildAt(int index) const { return nullptr; }
};

using TRVComponentFactory = std::unique_ptr<TRVComponent> (*)();

// The classes a reader may create by name.
class TRVComponentRegistry {
public:
    void Register(std::string_view className, TRVComponentFactory factory);
    // A new instance of the class of that name (exact match), or null when it is not registered.
    std::unique_ptr<TRVComponent> Create(std::string_view className) const;

private:
    struct Entry {
        std::string Name;
        TRVComponentFactory Factory;
    };
    std::vector<Entry> FEntries;
};

// The component body without the signature (the child form), with the optional prefix byte.
// INTO receives the entries when given; otherwise the class is made from REGISTRY. Null (and a
// fatal reader) when anything is wrong.
std::unique_ptr<TRVComponent> ReadComponent(TRVPropReader& reader, const TRVComponentRegistry& registry,
                                            TRVComponent* into);
// Reads INTO's entries from its body as ReadComponent does; false on failure.
bool ReadComponentInto(TRVPropReader& reader, const TRVComponentRegistry& registry, TRVComponent& into);

// A whole stream with its signature. ERROR receives the reason of a failure.
std::unique_ptr<TRVComponent> ReadComponentStream(std::string_view bytes, const TRVComponentRegistry& registry,
                                                  const TRVPropErrorHandler& onError, std::string* error = nullptr);
bool ReadComponentStreamInto(std::string_view bytes, const TRVComponentRegistry& registry, TRVComponent& into,
                             const TRVPropErrorHandler& onError, std::string* error = nullptr);

void WriteComponent(TRVPropWriter& writer, const TRVComponent& component);
std::string WriteComponentStream(const TRVComponent& component);

} // namespace vellum
