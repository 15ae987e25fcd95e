// Value encoding of the property stream: hand-built bytes for every type, the writer's choice of
// forms, and the reader's handling of bad values, long skips and lengths.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "vellum/rvf/prop_reader.h"
#include "vellum/rvf/prop_writer.h"
#include "vellum/style/font_info.h"
#include "vellum/style/property_builders.h"

namespace vellum {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

std::string Entry(std::string_view name, const std::string& value)
{
    return static_cast<char>(name.size()) + std::string(name) + value;
}

// A test object with one property of each kind the stream reads.
class Probe : public Persistent {
public:
    int32_t Number = 5;
    platform::Color Color = clWindowText;
    FontCharset Charset = DEFAULT_CHARSET;
    CursorId Cursor = crJump;
    TRVUnderlineType Kind = rvutNormal;
    ProtectOptions Flags;
    std::u16string Text;
    bool Flag = false;
    int32_t Locked = 1;

    std::span<const PropertyInfo> Properties() const override
    {
        static constexpr std::string_view kKinds[] = {"rvutNormal", "rvutThick", "rvutDouble"};
        static constexpr std::string_view kFlags[] = {"rvprStyleProtect", "rvprStyleSplitProtect",
                                                      "rvprModifyProtect"};
        static const PropertyInfo table[] = {
            props::Integer<&Probe::Number>("Number", 5),
            props::Integer<&Probe::Color>("Color", clWindowText, IntegerNameTable::Color),
            props::Integer<&Probe::Charset>("Charset", DEFAULT_CHARSET, IntegerNameTable::Charset),
            props::Integer<&Probe::Cursor>("Cursor", crJump, IntegerNameTable::Cursor),
            props::Enumeration<&Probe::Kind>("Kind", kKinds, rvutNormal),
            props::Set<&Probe::Flags>("Flags", kFlags),
            props::String<&Probe::Text>("Text"),
            props::Boolean<&Probe::Flag>("Flag", false),
            [] {
                PropertyInfo p = props::Integer<&Probe::Locked>("Locked", 1);
                p.ReadOnly = true;
                return p;
            }(),
        };
        return table;
    }
};

struct ReadOutcome {
    bool ok;
    std::vector<PropError> errors;
};

// Reads ENTRIES (terminated here) into OBJ with a handler that accepts every error.
ReadOutcome ReadEntries(Persistent& obj, const std::string& entries, bool handle = true)
{
    ReadOutcome out{false, {}};
    std::string bytes = entries + std::string(1, '\0');
    PropReader reader(bytes);
    reader.OnError = [&](const PropError& e) {
        out.errors.push_back(e);
        return handle;
    };
    out.ok = reader.ReadProperties(obj) && reader.Position() == bytes.size();
    return out;
}

// ---- Reading each value type ----

struct IntegerCase {
    std::string value;
    int32_t expected;
};

TEST(PropStreamValues, IntegerFormsReadIntoAnIntegerProperty)
{
    const IntegerCase cases[] = {
        {Bytes({2, 0x80}), -128},
        {Bytes({2, 0x7F}), 127},
        {Bytes({3, 0xC8, 0x00}), 200},
        {Bytes({3, 0x00, 0x80}), -32768},
        {Bytes({4, 0x78, 0x56, 0x34, 0x12}), 0x12345678},
        {Bytes({4, 0xFF, 0xFF, 0xFF, 0xFF}), -1},
    };
    for (const IntegerCase& c : cases) {
        Probe p;
        ReadOutcome r = ReadEntries(p, Entry("Number", c.value));
        EXPECT_TRUE(r.ok);
        EXPECT_TRUE(r.errors.empty());
        EXPECT_EQ(p.Number, c.expected);
    }
}

TEST(PropStreamValues, IdentifiersOfIntegerTypesUseTheirTables)
{
    Probe p;
    std::string entries = Entry("Color", Bytes({7, 12}) + "clWindowText") +
                          Entry("Charset", Bytes({7, 14}) + "GB2312_CHARSET") +
                          Entry("Cursor", Bytes({7, 11}) + "crHandPoint");
    p.Color = clBlack;
    ReadOutcome r = ReadEntries(p, entries);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(p.Color, static_cast<platform::Color>(0xFF000008));
    EXPECT_EQ(p.Charset, 134);
    EXPECT_EQ(p.Cursor, -21);
    // Identifiers compare without regard to case.
    ReadEntries(p, Entry("Color", Bytes({7, 5}) + "CLRED"));
    EXPECT_EQ(p.Color, clRed);
}

TEST(PropStreamValues, TextFormsAllReadIntoAStringProperty)
{
    struct Case {
        std::string value;
        std::u16string expected;
    };
    const Case cases[] = {
        {Bytes({6, 5}) + "Arial", u"Arial"},
        {Bytes({12, 3, 0, 0, 0}) + "abc", u"abc"},
        {Bytes({18, 2, 0, 0, 0, 0x8B, 0x5B, 0x53, 0x4F}), u"\u5B8B\u4F53"},
        {Bytes({20, 6, 0, 0, 0}) + "Caf\xC3\xA9s", u"Caf\u00E9s"},
        // Single-byte text is in the program's code page (936).
        {Bytes({6, 4, 0xCB, 0xCE, 0xCC, 0xE5}), u"\u5B8B\u4F53"},
    };
    for (const Case& c : cases) {
        Probe p;
        ReadOutcome r = ReadEntries(p, Entry("Text", c.value));
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(p.Text, c.expected);
    }
}

TEST(PropStreamValues, EnumerationsAndBooleans)
{
    Probe p;
    ReadOutcome r = ReadEntries(p, Entry("Kind", Bytes({7, 9}) + "rvutThick") + Entry("Flag", Bytes({9})));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(p.Kind, rvutThick);
    EXPECT_TRUE(p.Flag);
    ReadEntries(p, Entry("Flag", Bytes({8})));
    EXPECT_FALSE(p.Flag);
    // An identifier spelled "True" reads like the type byte.
    ReadEntries(p, Entry("Flag", Bytes({7, 4}) + "true"));
    EXPECT_TRUE(p.Flag);
}

TEST(PropStreamValues, SetsIgnoreNamesTheTypeDoesNotHave)
{
    Probe p;
    std::string set = Bytes({11, 16}) + "rvprStyleProtect" + Bytes({7}) + "rvprFoo" + Bytes({17}) +
                      "rvprModifyProtect" + Bytes({0});
    ReadOutcome r = ReadEntries(p, Entry("Flags", set));
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(p.Flags, (ProtectOptions{rvprStyleProtect, rvprModifyProtect}));
    ReadEntries(p, Entry("Flags", Bytes({11, 0})));
    EXPECT_TRUE(p.Flags.Empty());
}

TEST(PropStreamValues, UnknownEntriesOfEveryTypeAreSkippedWhole)
{
    // Each value is followed by a known entry that must still be read.
    const std::string values[] = {
        Bytes({0}),
        Bytes({2, 1}),
        Bytes({3, 1, 2}),
        Bytes({4, 1, 2, 3, 4}),
        Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}),
        Bytes({6, 2}) + "ab",
        Bytes({7, 2}) + "cd",
        Bytes({8}),
        Bytes({9}),
        Bytes({10, 3, 0, 0, 0, 1, 2, 3}),
        Bytes({11, 1}) + "x" + Bytes({0}),
        Bytes({12, 2, 0, 0, 0}) + "ef",
        Bytes({13}),
        Bytes({14, 1, 1}) + "A" + Bytes({2, 1, 0, 2, 5, 1, 0, 0}),
        Bytes({15, 0, 0, 0x80, 0x3F}),
        Bytes({16, 1, 2, 3, 4, 5, 6, 7, 8}),
        Bytes({17, 1, 2, 3, 4, 5, 6, 7, 8}),
        Bytes({18, 2, 0, 0, 0, 0x41, 0, 0x42, 0}),
        Bytes({19, 1, 2, 3, 4, 5, 6, 7, 8}),
        Bytes({20, 1, 0, 0, 0}) + "z",
        Bytes({1, 2, 1, 1, 3, 1, 0, 0, 0}),
    };
    for (const std::string& v : values) {
        Probe p;
        ReadOutcome r = ReadEntries(p, Entry("Unknown", v) + Entry("Number", Bytes({2, 9})));
        EXPECT_TRUE(r.ok) << "value type " << int(uint8_t(v[0]));
        ASSERT_EQ(r.errors.size(), 1u);
        EXPECT_EQ(r.errors[0].Kind, PropErrorKind::UnknownProperty);
        EXPECT_EQ(p.Number, 9);
    }
}

// ---- Bad values: the property keeps its value, the entry is skipped whole ----

TEST(PropStreamValues, ValuesThatDoNotFitTheirFieldAreInvalid)
{
    struct Case {
        std::string entry;
    };
    const Case cases[] = {
        {Entry("Charset", Bytes({3, 0x2C, 0x01}))},                // 300 is no character set
        {Entry("Charset", Bytes({2, 0xFF}))},                      // nor is -1
        {Entry("Cursor", Bytes({4, 0x40, 0x9C, 0, 0}))},           // 40000 is beyond 16 bits
        {Entry("Kind", Bytes({7, 6}) + "rvutXX")},                 // no such enumeration value
        {Entry("Kind", Bytes({2, 1}))},                            // an ordinal is not a name
        {Entry("Color", Bytes({7, 7}) + "clNoSuc")},               // identifier outside the table
        {Entry("Number", Bytes({7, 7}) + "clBlack")},              // identifier without a table
        {Entry("Number", Bytes({19, 1, 0, 0, 0, 0, 0, 0, 0}))},    // int64 for a 32-bit property
        {Entry("Number", Bytes({6, 2}) + "12")},                   // text for a number
        {Entry("Text", Bytes({2, 1}))},                            // a number for text
        {Entry("Flags", Bytes({7, 16}) + "rvprStyleProtect")},     // an identifier for a set
        {Entry("Flag", Bytes({2, 1}))},                            // a number for a boolean
    };
    for (const Case& c : cases) {
        Probe p;
        p.Text = u"keep";
        ReadOutcome r = ReadEntries(p, c.entry + Entry("Number", Bytes({2, 42})));
        EXPECT_TRUE(r.ok);
        ASSERT_EQ(r.errors.size(), 1u);
        EXPECT_EQ(r.errors[0].Kind, PropErrorKind::InvalidValue);
        EXPECT_EQ(p.Charset, DEFAULT_CHARSET);
        EXPECT_EQ(p.Cursor, crJump);
        EXPECT_EQ(p.Kind, rvutNormal);
        EXPECT_EQ(p.Color, clWindowText);
        EXPECT_EQ(p.Text, u"keep");
        EXPECT_TRUE(p.Flags.Empty());
        EXPECT_FALSE(p.Flag);
        EXPECT_EQ(p.Number, 42); // reading went on after the bad value
    }
}

TEST(PropStreamValues, ReadOnlyPropertiesRefuseValues)
{
    Probe p;
    ReadOutcome r = ReadEntries(p, Entry("Locked", Bytes({2, 9})) + Entry("Number", Bytes({2, 8})));
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].Kind, PropErrorKind::ReadOnly);
    EXPECT_EQ(r.errors[0].Message, "Property is read-only");
    EXPECT_EQ(p.Locked, 1);
    EXPECT_EQ(p.Number, 8);
}

TEST(PropStreamValues, UnhandledErrorsEndTheRead)
{
    Probe p;
    ReadOutcome r = ReadEntries(p, Entry("Unknown", Bytes({2, 1})) + Entry("Number", Bytes({2, 9})), false);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(p.Number, 5);
}

TEST(PropStreamValues, PathsThroughNonObjectsAreErrors)
{
    Probe p;
    ReadOutcome r = ReadEntries(p, Entry("Number.Left", Bytes({2, 1})) + Entry("Number", Bytes({2, 7})));
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].Kind, PropErrorKind::InvalidPath);
    EXPECT_EQ(p.Number, 7);
}

// ---- Malformed streams are fatal, never a crash or an overrun ----

TEST(PropStreamValues, LengthsBeyondTheDataAreFatal)
{
    const std::string values[] = {
        Bytes({6, 9}) + "ab",
        Bytes({10, 0xFF, 0xFF, 0xFF, 0xFF, 1}),
        Bytes({12, 0, 0, 0, 0x80}),
        Bytes({18, 0xFF, 0xFF, 0xFF, 0xFF, 0x41, 0}), // count x 2 is checked, not wrapped
        Bytes({18, 0, 0, 0, 0x80}),
        Bytes({20, 5, 0, 0, 0}) + "ab",
        Bytes({4, 1, 2}),
        Bytes({11, 3}) + "ab",
        Bytes({21}),
        Bytes({14, 1, 1}) + "A" + Bytes({2}),
    };
    for (const std::string& v : values) {
        Probe p;
        std::string bytes = Entry("Text", v);
        PropReader reader(bytes);
        reader.OnError = [](const PropError&) { return true; };
        EXPECT_FALSE(reader.ReadProperties(p)) << "value type " << int(uint8_t(v[0]));
        EXPECT_TRUE(p.Text.empty());
    }
}

TEST(PropStreamValues, DeepNestingIsSkippedWithoutRecursion)
{
    // Half a million list starts: skipping must neither overflow the stack nor accept it.
    std::string deep = Entry("Unknown", std::string(500000, '\x01'));
    PropReader reader(deep);
    reader.OnError = [](const PropError&) { return true; };
    Probe p;
    EXPECT_FALSE(reader.ReadProperties(p));

    // Well-formed but deep nesting within the limit is skipped whole.
    std::string nested = std::string(1000, '\x01') + std::string(1000, '\0');
    Probe q;
    ReadOutcome r = ReadEntries(q, Entry("Unknown", nested) + Entry("Number", Bytes({2, 3})));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(q.Number, 3);
}

// ---- The writer's forms ----

struct TextCase {
    std::u16string text;
    std::string expected;
};

TEST(PropStreamValues, WriterPicksTheShortestFaithfulTextForm)
{
    const TextCase cases[] = {
        {u"Arial", Bytes({6, 5}) + "Arial"},
        {u"\u5B8B\u4F53", Bytes({18, 2, 0, 0, 0, 0x8B, 0x5B, 0x53, 0x4F})},
        {u"Caf\u00E9s", Bytes({20, 6, 0, 0, 0}) + "Caf\xC3\xA9s"},
        {u"\u00E9", Bytes({18, 1, 0, 0, 0, 0xE9, 0})},
        {std::u16string(300, u'a'), Bytes({12, 0x2C, 1, 0, 0}) + std::string(300, 'a')},
    };
    for (const TextCase& c : cases) {
        std::string out;
        PropWriter(out).WriteText(c.text);
        EXPECT_EQ(out, c.expected);
    }
}

TEST(PropStreamValues, WriterIntegerForms)
{
    struct Case {
        int64_t value;
        std::string expected;
    };
    const Case cases[] = {
        {200, Bytes({3, 0xC8, 0})},
        {-128, Bytes({2, 0x80})},
        {127, Bytes({2, 0x7F})},
        {-129, Bytes({3, 0x7F, 0xFF})},
        {32768, Bytes({4, 0, 0x80, 0, 0})},
        {int64_t{1} << 40, Bytes({19, 0, 0, 0, 0, 0, 1, 0, 0})},
    };
    for (const Case& c : cases) {
        std::string out;
        PropWriter(out).WriteInteger(c.value);
        EXPECT_EQ(out, c.expected) << c.value;
    }
}

TEST(PropStreamValues, WriterNamesColoursAndWritesEmptySets)
{
    Probe p;
    p.Color = clBlack;
    p.Number = 0x123456; // has no name and is written as int32
    std::string out = WriteObjectEntries(p);
    EXPECT_EQ(out, Entry("Number", Bytes({4, 0x56, 0x34, 0x12, 0})) + Entry("Color", Bytes({7, 7}) + "clBlack") +
                       Bytes({0}));

    std::string set;
    PropWriter(set).WriteSet(0, std::span<const std::string_view>{});
    EXPECT_EQ(set, Bytes({11, 0}));

    p.Color = 0x00123456;
    out = WriteObjectEntries(p);
    EXPECT_NE(out.find(Entry("Color", Bytes({4, 0x56, 0x34, 0x12, 0}))), std::string::npos);
}

TEST(PropStreamValues, WriterIdentifiersBecomeTypeBytes)
{
    std::string out;
    PropWriter w(out);
    w.WriteIdent("FALSE");
    w.WriteIdent("True");
    w.WriteIdent("null");
    w.WriteIdent("NIL");
    w.WriteIdent("rvaLeft");
    EXPECT_EQ(out, Bytes({8, 9, 0, 13, 7, 7}) + "rvaLeft");
}

TEST(PropStreamValues, ExtendedFloatsRoundTrip)
{
    const double values[] = {0.0, 1.0, -2.5, 8.2677165354, 1e-300, 1e300, 123456789.125};
    for (double v : values)
        EXPECT_EQ(ExtendedToDouble(DoubleToExtended(v)), v);
    // 1.0: mantissa 8000000000000000, exponent 3FFF.
    EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0);
    EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0xC0}), -3.0);
    EXPECT_TRUE(std::isinf(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})));
}

} // namespace
} // namespace vellum
