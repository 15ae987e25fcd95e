#include "vellum/style/list_info.h"

#include <map>

#include <gtest/gtest.h>

#include "platform/picture.h"
#include "vellum/style/image_list.h"

namespace vellum {
namespace {

class CollectingWriter : public DefinedPropertyWriter {
public:
    void WriteInteger(std::string_view name, int64_t value) override { ints[std::string(name)] = value; }
    void WriteBoolean(std::string_view name, bool value) override { ints[std::string(name)] = value; }
    void WriteString(std::string_view name, const std::u16string& value) override
    {
        strings[std::string(name)] = value;
    }
    void WriteBinary(std::string_view, const std::string&) override {}
    std::map<std::string, int64_t> ints;
    std::map<std::string, std::u16string> strings;
};

TEST(ListLevel, NewLevelDefaultsWriteNoFormatCode)
{
    TRVListLevel level;
    EXPECT_EQ(level.ListType, rvlstBullet);
    EXPECT_EQ(level.FormatString, "\xB7");
    EXPECT_EQ(level.FirstIndent, 10);
    EXPECT_EQ(level.StartFrom, 1);
    EXPECT_EQ(level.Options, (TRVListLevelOptions{rvloContinuous, rvloLevelReset}));
    EXPECT_FALSE(level.HasFont());
    EXPECT_EQ(level.Picture(), nullptr);
    CollectingWriter writer;
    level.WriteDefinedProperties(writer);
    EXPECT_TRUE(writer.ints.empty());
    EXPECT_TRUE(writer.strings.empty());
    for (const PropertyInfo& p : level.Properties())
        EXPECT_TRUE(!p.Stored(level) || p.IsDefault(level)) << p.Name;
}

TEST(ListLevel, FormatStringsTravelAsHex)
{
    TRVListLevel level;
    level.FormatString = "%0:s.\xA1";
    level.FormatStringW = u"\u2022x";
    CollectingWriter writer;
    level.WriteDefinedProperties(writer);
    EXPECT_EQ(writer.strings["FormatStringCode"], u"25303A732EA1");
    EXPECT_EQ(writer.strings["FormatStringWCode"], u"20220078");

    TRVListLevel read;
    EXPECT_EQ(read.ReadDefinedProperty("FormatStringCode", DefinedValue{std::u16string(u"25303a732EA1")}),
              DefinedRead::Read);
    EXPECT_EQ(read.FormatString, "%0:s.\xA1");
    EXPECT_EQ(read.ReadDefinedProperty("FormatStringWCode", DefinedValue{std::u16string(u"20220078")}),
              DefinedRead::Read);
    EXPECT_EQ(read.FormatStringW, u"\u2022x");
    // Bad digits and partial groups are refused and change nothing.
    for (const char16_t* bad : {u"2G", u"123", u"002"}) {
        EXPECT_EQ(read.ReadDefinedProperty("FormatStringWCode", DefinedValue{std::u16string(bad)}),
                  DefinedRead::InvalidValue);
        EXPECT_EQ(read.FormatStringW, u"\u2022x");
    }
    EXPECT_EQ(read.ReadDefinedProperty("FormatStringCodeW", DefinedValue{std::u16string(u"zz")}),
              DefinedRead::Read);
    EXPECT_EQ(read.ReadDefinedProperty("Unknown", DefinedValue{}), DefinedRead::NotDefined);
}

TEST(ListLevel, Equality)
{
    struct Case {
        const char* what;
        TRVListType type;
        void (*change)(TRVListLevel&);
        bool equal;
    };
    const Case cases[] = {
        {"StartFrom of bullets", rvlstBullet, [](TRVListLevel& l) { l.StartFrom = 5; }, true},
        {"StartFrom of decimals", rvlstDecimal, [](TRVListLevel& l) { l.StartFrom = 5; }, false},
        {"StartFrom of image counters", rvlstImageListCounter, [](TRVListLevel& l) { l.StartFrom = 5; }, false},
        {"default font against none", rvlstBullet, [](TRVListLevel& l) { l.Font(); }, true},
        {"font name case", rvlstBullet, [](TRVListLevel& l) { l.Font().Name = u"ARIAL"; }, true},
        {"bigger font", rvlstBullet, [](TRVListLevel& l) { l.Font().SetSize(12); }, false},
        {"format case", rvlstBullet, [](TRVListLevel& l) { l.FormatString = "A"; }, false},
        {"options", rvlstBullet, [](TRVListLevel& l) { l.Options = {}; }, false},
        {"empty picture against none", rvlstPicture,
         [](TRVListLevel& l) {
             l.SetPicture(std::make_unique<platform::Picture>(platform::PictureFormat::Bitmap, 0, 0,
                                                              std::vector<uint32_t>{}, std::string()));
         },
         true},
        {"picture against none", rvlstPicture,
         [](TRVListLevel& l) {
             l.SetPicture(std::make_unique<platform::Picture>(platform::PictureFormat::Bitmap, 1, 1,
                                                              std::vector<uint32_t>{0}, std::string("x")));
         },
         false},
    };
    for (const Case& c : cases) {
        TRVListLevel a, b;
        a.ListType = b.ListType = c.type;
        c.change(b);
        EXPECT_EQ(a.IsEqual(b), c.equal) << c.what;
        EXPECT_EQ(b.IsEqual(a), c.equal) << c.what;
    }
}

TEST(ListLevel, AssignCopiesPictureAndFontByValueAndDropsMissingOnes)
{
    TRVListLevel source, target;
    source.Font().Name = u"Symbol";
    source.SetPicture(std::make_unique<platform::Picture>(platform::PictureFormat::Bitmap, 2, 2,
                                                          std::vector<uint32_t>(4, 0), std::string("abc")));
    target.Assign(source);
    ASSERT_TRUE(target.HasFont());
    EXPECT_NE(target.FontIfCreated(), source.FontIfCreated());
    EXPECT_EQ(target.Font().Name, u"Symbol");
    ASSERT_NE(target.Picture(), nullptr);
    EXPECT_NE(target.Picture(), source.Picture());
    EXPECT_TRUE(target.IsEqual(source));
    TRVListLevel plain;
    target.Assign(plain);
    EXPECT_FALSE(target.HasFont());
    EXPECT_EQ(target.Picture(), nullptr);
}

TEST(ListLevel, PictureBackgroundBecomesTransparent)
{
    // 2 x 2, rows top-down; the bottom-left pixel (index 2) is the background.
    std::vector<uint32_t> pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF0000FF};
    TRVListLevel level;
    level.SetPicture(std::make_unique<platform::Picture>(platform::PictureFormat::Bitmap, 2, 2, pixels, "BMx"));
    ASSERT_NE(level.Picture(), nullptr);
    EXPECT_EQ(level.Picture()->Pixels(), (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0x000000FF, 0x000000FF}));
    EXPECT_EQ(level.Picture()->Bytes(), "BMx");
}

TEST(ListInfo, IdentityIsMadeOnFirstRead)
{
    TRVListInfo list;
    EXPECT_EQ(list.ListIDIfSet(), 0);
    int32_t id = list.ListID();
    EXPECT_NE(id, 0);
    EXPECT_GT(id, 0);
    EXPECT_EQ(list.ListID(), id);
    CollectingWriter writer;
    list.WriteDefinedProperties(writer);
    EXPECT_EQ(writer.ints["LstID"], id);
    EXPECT_EQ(list.ReadDefinedProperty("LstID", DefinedValue{int64_t{77}}), DefinedRead::Read);
    EXPECT_EQ(list.ListID(), 77);
    EXPECT_EQ(list.ReadDefinedProperty("LstID", DefinedValue{int64_t{1} << 40}), DefinedRead::InvalidValue);
}

TEST(ListInfo, EqualityAndSimilarity)
{
    TRVListInfo a, b;
    a.Levels.Add();
    b.Levels.Add();
    a.SetListID(1);
    b.SetListID(2);
    EXPECT_FALSE(a.EqualTo(b, false));
    EXPECT_TRUE(a.EqualTo(b, true));
    EXPECT_TRUE(a.EqualMapped(b, {}));
    // Levels: 5000 type + 9 x 100 + 200 first indent + fonts 100 + pictures 100 = 6300; plus 100
    // for the preview flag, no identity bonus.
    EXPECT_EQ(a.Similarity(b), 6400);
    b.SetListID(1);
    EXPECT_EQ(a.Similarity(b), 6450);
    b.Levels.Add();
    b.Levels.Add();
    EXPECT_EQ(a.Similarity(b), 6450 - 200);
    EXPECT_FALSE(a.EqualTo(b, true));
}

TEST(ListInfo, AssignCopiesIdentityOnlyWhenTheTableAllowsIt)
{
    TRVListInfos lists(nullptr);
    TRVListInfo source;
    source.SetListID(42);
    source.Levels.Add().ListType = rvlstDecimal;
    TRVListInfo& copy = lists.Add();
    copy.Assign(source);
    EXPECT_NE(copy.ListID(), 42);
    EXPECT_EQ(copy.Levels.Count(), 1);
    lists.AllowAssignListID = true;
    copy.Assign(source);
    EXPECT_EQ(copy.ListID(), 42);
}

TEST(ListInfo, LevelLookupIsChecked)
{
    TRVListInfos lists(nullptr);
    TRVListInfo& list = lists.Add();
    EXPECT_EQ(list.LevelAt(0), nullptr); // no levels
    list.Levels.Add().ListType = rvlstDecimal;
    list.Levels.Add().ListType = rvlstLowerAlpha;
    struct Case {
        int listNo, level;
        int expected; // level index, -1 for none
    };
    const Case cases[] = {{0, 0, 0}, {0, 1, 1}, {0, 7, 1}, {0, -1, -1}, {-1, 0, -1}, {1, 0, -1}, {0, INT32_MAX, 1}};
    for (const Case& c : cases) {
        const TRVListLevel* level = lists.FindLevel(c.listNo, c.level);
        const TRVListLevel* expected = c.expected < 0 ? nullptr : &list.Levels[c.expected];
        EXPECT_EQ(level, expected) << c.listNo << " " << c.level;
    }
    EXPECT_TRUE(list.HasNumbering());
    EXPECT_TRUE(list.HasTextNumbering());
}

class FakeImageList : public RvImageList {
public:
    int Count() const override { return 0; }
    int Width() const override { return 16; }
    int Height() const override { return 16; }
    const platform::Picture* Image(int) const override { return nullptr; }
};

TEST(ListInfo, ImageListsByTagAndRemoval)
{
    FakeImageList images;
    images.Tag = 9;
    TRVListInfos lists(nullptr);
    TRVListLevel& level = lists.Add().Levels.Add();
    EXPECT_EQ(level.ReadDefinedProperty("ILTag", DefinedValue{int64_t{9}}), DefinedRead::Read);
    EXPECT_EQ(level.ImageList, nullptr); // nobody resolves tags
    lists.ImageListNeeded = [&](int32_t tag) -> RvImageList* { return tag == 9 ? &images : nullptr; };
    EXPECT_EQ(level.ReadDefinedProperty("ILTag", DefinedValue{int64_t{9}}), DefinedRead::Read);
    EXPECT_EQ(level.ImageList, &images);
    CollectingWriter writer;
    level.WriteDefinedProperties(writer);
    EXPECT_EQ(writer.ints["ILTag"], 9);
    lists.RemoveImageList(&images);
    EXPECT_EQ(level.ImageList, nullptr);
}

} // namespace
} // namespace vellum
