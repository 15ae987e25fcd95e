// Objects whose defined properties need the property stream itself (values of several parts,
// nested components) rather than one plain value.
#pragma once

#include <string>
#include <string_view>

namespace vellum {

class PropReader;
class PropWriter;

class StreamedProperties {
public:
    virtual ~StreamedProperties() = default;
    virtual bool TakesStreamedProperty(std::string_view name) const = 0;
    // Reads the value of NAME at the reader's position; false (or a fatal reader) ends the read.
    virtual bool ReadStreamedProperty(std::string_view name, PropReader& reader) = 0;
    // Writes the entries (names prefixed by PREFIX) after the object's other properties.
    virtual void WriteStreamedProperties(PropWriter& writer, const std::string& prefix) const = 0;
};

} // namespace vellum
