// Reads the binary property stream into objects through their published property tables.
//
// Two kinds of trouble are told apart. Errors inside one property entry (an unknown property, a
// read-only one, a value that does not fit the property) go to the error handler; when it
// answers that the error is handled, reading goes on after the whole value, skipped by its type.
// Everything else (a stream that ends early, a bad type byte, a missing list start, an
// unhandled entry error) is fatal: the reader stops and Ok() turns false for good.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "vellum/rvf/byte_cursor.h"
#include "vellum/rvf/prop_streamed.h"
#include "vellum/rvf/prop_values.h"
#include "vellum/style/persistent.h"

namespace vellum {

enum class PropErrorKind { UnknownProperty, ReadOnly, InvalidValue, InvalidPath };

struct PropError {
    PropErrorKind Kind;
    std::string Property; // the entry's name as stored
    std::string Message;
};

// Answers true when the error is handled and reading may continue with the next entry.
using PropErrorHandler = std::function<bool(const PropError&)>;

class PropReader {
public:
    // Collections holding more items than this are refused rather than built. Collections inside
    // an object (tab stops, list levels) are held to far fewer: their items re-sort as they are
    // read, and no real paragraph has a thousand tab stops.
    static constexpr int kMaxCollectionItems = 1 << 16;
    static constexpr int kMaxNestedCollectionItems = 1024;
    // Collections and components nest this deep at most while being read into objects.
    static constexpr int kMaxObjectDepth = 32;
    // Unknown values nest this deep at most while being skipped.
    static constexpr size_t kMaxSkipDepth = 1 << 16;

    explicit PropReader(std::string_view bytes) : FCursor(bytes) {}

    PropErrorHandler OnError;

    bool Ok() const { return !FFailed; }
    const std::string& FailMessage() const { return FFailMessage; }
    // Makes the reader fatal with MESSAGE (the first message is kept).
    void Fail(std::string message);
    ByteCursor& Cursor() { return FCursor; }
    size_t Position() const { return FCursor.Position(); }

    // ---- Values ----
    // The next type byte without moving; -1 at the end or after a fatal error.
    int PeekType() const { return FFailed ? -1 : FCursor.Peek(); }
    std::optional<PropValueType> ReadValueType();
    // Fatal unless the next type byte is TYPE.
    bool ReadExpected(PropValueType type);
    bool ReadShortString(std::string& out);
    // Consumes a Null byte when one is next.
    bool EndOfList();
    // An integer value of any size (type byte included).
    std::optional<int64_t> ReadInteger();
    // Skips one value with everything nested in it, without recursion. Fatal when it is
    // malformed or runs past the end.
    bool SkipValue();

    // ---- Objects ----
    // OBJ's entries up to and including their end byte.
    bool ReadProperties(Persistent& obj);
    // A collection value (type byte 14 included) into COLLECTION: an empty one leaves it as it
    // is, any other clears it first and adds one item per list.
    bool ReadCollectionValue(RvCollection& collection);

    // Object nesting for readers of nested objects (components); false when too deep.
    bool EnterObject();
    void LeaveObject() { --FDepth; }

private:
    struct Target;
    enum class EntryResult { Ok, Error };

    bool ReadEntry(Persistent& obj);
    bool ReportEntryError(PropErrorKind kind, const std::string& name, size_t valueEnd, std::string message);
    bool ResolvePath(Persistent& root, const std::string& name, Target& target);
    bool ValueEnd(size_t& end);
    std::optional<PropErrorKind> ReadPublished(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadInteger(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadEnumeration(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadSet(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadString(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadReference(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadObject(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadCollection(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadPicture(Persistent& obj, const PropertyInfo& p);
    std::optional<PropErrorKind> ReadDefined(Persistent& obj, std::string_view name);
    DefinedValue ReadDefinedValue();
    bool ReadTextValue(PropValueType type, std::u16string& out);
    bool ReadEnumName(PropValueType type, std::string& name);

    // Skipping
    enum class Open : uint8_t { ListValues, Entries, CollectionItems };
    bool SkipStep(std::vector<Open>& open);
    bool SkipOne(std::vector<Open>& open);
    bool SkipSized(size_t unit);
    bool SkipSetNames();

    ByteCursor FCursor;
    bool FFailed = false;
    std::string FFailMessage;
    int FDepth = 0;
};

} // namespace vellum
