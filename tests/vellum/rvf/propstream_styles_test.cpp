// Round trips of every style class through the property stream: each published property moved
// away from its default (driven by the classes' own property tables, so a new property is
// covered without touching this file), and every property at its default.
#include <gtest/gtest.h>

#include <string>

#include "vellum/rvf/prop_reader.h"
#include "vellum/rvf/prop_writer.h"
#include "vellum/style/font_info.h"
#include "vellum/style/list_info.h"
#include "vellum/style/para_info.h"

namespace vellum {
namespace {

void Mutate(Persistent& obj, int seed);

int64_t NonDefaultOrdinal(const PropertyInfo& p, int seed)
{
    switch (p.Kind) {
    case PropertyKind::Enumeration: {
        int64_t last = static_cast<int64_t>(p.ValueNames.size()) - 1;
        return last == p.Default ? 0 : last;
    }
    case PropertyKind::Set: {
        int64_t all = static_cast<int64_t>(p.SetMask());
        return all == p.Default ? 0 : all;
    }
    default: break;
    }
    switch (p.IntegerNames) {
    case IntegerNameTable::Color: return seed % 2 ? clRed : 0x00123456;
    case IntegerNameTable::Charset: return GB2312_CHARSET;
    case IntegerNameTable::Cursor: return crHandPoint;
    case IntegerNameTable::None: break;
    }
    return p.Default + 7 + seed * 300;
}

void MutateProperty(Persistent& obj, const PropertyInfo& p, int seed)
{
    switch (p.Kind) {
    case PropertyKind::Integer:
    case PropertyKind::Enumeration:
    case PropertyKind::Set: p.SetOrdinal(obj, NonDefaultOrdinal(p, seed)); return;
    case PropertyKind::String:
        p.SetString(obj, u"V" + std::u16string(p.Name.begin(), p.Name.end()) + (seed % 2 ? u"\u5B8B" : u""));
        return;
    case PropertyKind::Object: Mutate(*p.ObjectForWrite(obj), seed); return;
    case PropertyKind::Collection: {
        RvCollection& c = *p.CollectionForWrite(obj);
        c.Clear();
        Mutate(c.AddPersistent(), seed + 1);
        Mutate(c.AddPersistent(), seed + 2);
        return;
    }
    case PropertyKind::Reference:
    case PropertyKind::Picture: return; // never written (tags) / needs a real picture
    }
}

void Mutate(Persistent& obj, int seed)
{
    for (const PropertyInfo& p : obj.Properties())
        MutateProperty(obj, p, seed);
}

// Compares every stored property of A and B, nested objects and collections included.
void ExpectSameProperties(const Persistent& a, const Persistent& b, const std::string& path)
{
    for (const PropertyInfo& p : a.Properties()) {
        if (!p.Stored(a) && !p.Stored(b))
            continue;
        const std::string name = path + std::string(p.Name);
        switch (p.Kind) {
        case PropertyKind::Integer:
        case PropertyKind::Enumeration:
        case PropertyKind::Set: EXPECT_EQ(p.GetOrdinal(a), p.GetOrdinal(b)) << name; break;
        case PropertyKind::String:
        case PropertyKind::Reference: EXPECT_TRUE(p.GetString(a) == p.GetString(b)) << name; break;
        case PropertyKind::Object: {
            const Persistent* x = p.GetObject(a);
            const Persistent* y = p.GetObject(b);
            ASSERT_EQ(x == nullptr, y == nullptr) << name;
            if (x)
                ExpectSameProperties(*x, *y, name + ".");
            break;
        }
        case PropertyKind::Collection: {
            const RvCollection& x = *p.GetCollection(a);
            const RvCollection& y = *p.GetCollection(b);
            ASSERT_EQ(x.Count(), y.Count()) << name;
            for (int i = 0; i < x.Count(); ++i)
                ExpectSameProperties(x.PersistentAt(i), y.PersistentAt(i), name + "[" + std::to_string(i) + "].");
            break;
        }
        case PropertyKind::Picture: EXPECT_EQ(p.GetPicture(a) == nullptr, p.GetPicture(b) == nullptr); break;
        }
    }
}

// Every ordinal property of OBJ (nested ones too) differs from its default.
void ExpectNothingAtDefault(const Persistent& obj, const std::string& path)
{
    for (const PropertyInfo& p : obj.Properties()) {
        if (!p.Stored(obj))
            continue;
        if (p.Kind == PropertyKind::Object && p.GetObject(obj)) {
            ExpectNothingAtDefault(*p.GetObject(obj), path + std::string(p.Name) + ".");
        } else if (p.Kind != PropertyKind::Collection && p.Kind != PropertyKind::Picture) {
            EXPECT_FALSE(p.IsDefault(obj)) << path << p.Name;
        }
    }
}

// Writes COLLECTION and reads it into TARGET; every error would fail the read.
void RoundTrip(const RvCollection& collection, RvCollection& target)
{
    std::string bytes = WriteCollectionValue(collection);
    PropReader reader(bytes);
    ASSERT_TRUE(reader.ReadCollectionValue(target)) << reader.FailMessage();
    EXPECT_EQ(reader.Position(), bytes.size());
}

TEST(PropStreamStyles, TextStylesWithEveryPropertySet)
{
    TFontInfos source(nullptr);
    source.Add();
    Mutate(source.Add(), 0);
    Mutate(source.Add(), 1);
    ExpectNothingAtDefault(source[1], "");
    TFontInfos target(nullptr);
    RoundTrip(source, target);
    ASSERT_EQ(target.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        ExpectSameProperties(source[i], target[i], "");
        EXPECT_TRUE(source[i].EqualTo(target[i], false)) << i;
    }
    EXPECT_EQ(target[2].FontName, u"VFontName\u5B8B");
}

TEST(PropStreamStyles, ParagraphStylesWithEveryPropertySet)
{
    TParaInfos source(nullptr);
    source.Add();
    Mutate(source.Add(), 0);
    Mutate(source.Add(), 1);
    ExpectNothingAtDefault(source[2], "");
    ASSERT_EQ(source[2].Tabs.Count(), 2);
    TParaInfos target(nullptr);
    RoundTrip(source, target);
    ASSERT_EQ(target.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        ExpectSameProperties(source[i], target[i], "");
        EXPECT_TRUE(source[i].EqualTo(target[i], false)) << i;
    }
}

TEST(PropStreamStyles, ListStylesWithEveryPropertySet)
{
    TRVListInfos source(nullptr);
    source.Add().SetListID(17);
    TRVListInfo& list = source.Add();
    Mutate(list, 0);
    list.SetListID(123456);
    list.Levels[0].FormatString = "%0:s.";
    list.Levels[1].FormatStringW = u"\u2022\u25CB";
    ASSERT_TRUE(list.Levels[0].HasFont());
    TRVListInfos target(nullptr);
    RoundTrip(source, target);
    ASSERT_EQ(target.Count(), 2);
    ExpectSameProperties(source[1], target[1], "");
    EXPECT_EQ(target[0].ListIDIfSet(), 17);
    EXPECT_EQ(target[1].ListIDIfSet(), 123456);
    EXPECT_EQ(target[1].Levels[0].FormatString, "%0:s.");
    EXPECT_EQ(target[1].Levels[1].FormatString, "\xB7");
    EXPECT_EQ(target[1].Levels[1].FormatStringW, u"\u2022\u25CB");
    EXPECT_TRUE(source[1].EqualTo(target[1], false));
}

TEST(PropStreamStyles, DefaultsWriteOnlyWhatHasNoDefault)
{
    TFontInfo font;
    std::string bytes = WriteObjectEntries(font);
    // StyleName and FontName have no default; nothing else is written.
    EXPECT_EQ(bytes, std::string("\x09StyleName\x06\x0A") + "Font Style" + "\x08" + "FontName" + "\x06\x05" + "Arial" +
                         std::string(1, '\0'));

    TParaInfos paras(nullptr);
    paras.Add();
    TRVListInfos lists(nullptr);
    lists.Add().Levels.Add();
    lists[0].SetListID(5);
    TFontInfos fonts(nullptr);
    fonts.Add();

    TFontInfos fonts2(nullptr);
    TParaInfos paras2(nullptr);
    TRVListInfos lists2(nullptr);
    RoundTrip(fonts, fonts2);
    RoundTrip(paras, paras2);
    RoundTrip(lists, lists2);
    ExpectSameProperties(fonts[0], fonts2[0], "");
    ExpectSameProperties(paras[0], paras2[0], "");
    ExpectSameProperties(lists[0], lists2[0], "");
    EXPECT_EQ(lists2[0].Levels.Count(), 1);
    EXPECT_FALSE(lists2[0].Levels[0].HasFont());
    // A default level writes no FormatStringCode.
    EXPECT_EQ(WriteCollectionValue(lists).find("FormatStringCode"), std::string::npos);
}

TEST(PropStreamStyles, EmptyCollectionLeavesTargetUnchanged)
{
    TFontInfos target(nullptr);
    target.Add().FontName = u"Keep";
    std::string bytes = "\x0E";
    bytes += '\0';
    PropReader reader(bytes);
    ASSERT_TRUE(reader.ReadCollectionValue(target));
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target[0].FontName, u"Keep");
}

TEST(PropStreamStyles, SingleSymbolsAddsProtection)
{
    TFontInfo font;
    std::string bytes = "\x0DSingleSymbols\x09";
    bytes += '\0';
    PropReader reader(bytes);
    ASSERT_TRUE(reader.ReadProperties(font));
    EXPECT_EQ(font.Protection, (ProtectOptions{rvprStyleProtect, rvprDoNotAutoSwitch}));
}

TEST(PropStreamStyles, NestedPathsReachBorderParts)
{
    TParaInfo para;
    std::string bytes = std::string("\x0C") + "Border.Color" + "\x07\x05" + "clRed" + "\x1A" +
                        "Border.VisibleBorders.Left" + "\x08" + "\x1C" + "Background.BorderOffsets.Top" + "\x02\x04";
    bytes += '\0';
    PropReader reader(bytes);
    ASSERT_TRUE(reader.ReadProperties(para)) << reader.FailMessage();
    EXPECT_EQ(para.Border.Color, clRed);
    EXPECT_FALSE(para.Border.VisibleBorders.Left);
    EXPECT_EQ(para.Background.BorderOffsets.Top, 4);
}

} // namespace
} // namespace vellum

namespace vellum {
namespace {

// A paragraph style whose Tabs value holds COUNT stops, each with a position.
std::string ParagraphWithTabs(int count)
{
    std::string tabs = "\x0E";
    for (int i = 0; i < count; ++i) {
        tabs += std::string("\x01\x08") + "Position" + "\x03";
        tabs += static_cast<char>((count - i) & 0xFF);
        tabs += static_cast<char>(((count - i) >> 8) & 0xFF);
        tabs += '\0';
    }
    tabs += '\0';
    return std::string("\x0E\x01\x04") + "Tabs" + tabs + std::string(2, '\0');
}

TEST(PropStreamStyles, NestedCollectionsAreBounded)
{
    TParaInfos ok(nullptr);
    const std::string most = ParagraphWithTabs(PropReader::kMaxNestedCollectionItems);
    PropReader reader(most); // the reader keeps a view of the bytes
    ASSERT_TRUE(reader.ReadCollectionValue(ok)) << reader.FailMessage();
    ASSERT_EQ(ok[0].Tabs.Count(), PropReader::kMaxNestedCollectionItems);
    EXPECT_EQ(ok[0].Tabs[0].Position(), 1); // sorted as they were read

    TParaInfos refused(nullptr);
    const std::string beyond = ParagraphWithTabs(PropReader::kMaxNestedCollectionItems + 1);
    PropReader tooMany(beyond);
    EXPECT_FALSE(tooMany.ReadCollectionValue(refused));
    EXPECT_EQ(tooMany.FailMessage(), "Too many collection items");
}

} // namespace
} // namespace vellum
