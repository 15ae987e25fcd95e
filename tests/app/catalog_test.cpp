// The group and notebook readers, snapshot folders, row texts and stamps.
#include "app/catalog.h"

#include "platform/codepage.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace wenlocke {
namespace {

namespace fs = std::filesystem;

std::string G(std::string_view utf8)
{
    return platform::Utf8ToCodePage(utf8, platform::kCodePageGbk);
}

// A fresh folder below the system's temporary folder, removed at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("wenlocke-catalog-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    std::string Dir() const { return m_path.string() + "/"; }
    void Write(const std::string& relative, const std::string& bytes) const
    {
        fs::path path = m_path / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void MakeFolder(const std::string& relative) const { fs::create_directories(m_path / relative); }

private:
    fs::path m_path;
};

struct ReadResult {
    std::vector<std::string> texts;
    std::vector<std::string> ids;
    std::vector<TFileInfo> infos;
    std::string error; // empty when reading finished
};

ReadResult Collect(const std::function<void(const RowSink&)>& read)
{
    ReadResult result;
    try {
        read([&result](const CatalogRow& row) {
            result.texts.push_back(row.Text);
            result.ids.push_back(row.Info.Id);
            result.infos.push_back(row.Info);
        });
    } catch (const std::exception& error) {
        result.error = error.what();
    }
    return result;
}

ReadResult Groups(const std::string& text)
{
    return Collect([&](const RowSink& sink) { ReadGroupLines(text, sink); });
}

ReadResult Notebooks(const std::string& text, const TFileInfo& group)
{
    return Collect([&](const RowSink& sink) { ReadNotebookLines(text, group, sink); });
}

ReadResult Notebooks(const std::string& text, const std::string& groupId)
{
    return Notebooks(text, MakeFileInfo("", groupId));
}

using Strings = std::vector<std::string>;

TEST(GroupList, RowsErrorsAndWhereReadingStops)
{
    struct Case {
        std::string text;
        Strings texts, ids;
        std::string error;
    };
    const std::string suffix = "(\xB7\xD6\xD7\xE9)"; // "(分组)"
    const Case cases[] = {
        {"g1," + G("家庭") + "\r\n", {G("家庭") + suffix}, {"g1"}, ""},
        {"g1,a,extra\r\ng2,b", {"a" + suffix, "b" + suffix}, {"g1", "g2"}, ""},
        {"g1,a\r\n\r\ng2,b\r\n", {"a" + suffix}, {"g1"}, "List index out of bounds (1)"},
        {"g1,a\r\ng2\r\ng3,c\r\n", {"a" + suffix}, {"g1"}, "List index out of bounds (1)"},
        {"  \r\n", {}, {}, "List index out of bounds (1)"},
        {"", {}, {}, ""},
        {",,g1,,a,", {"a" + suffix}, {"g1"}, ""},
    };
    for (const Case& c : cases) {
        ReadResult result = Groups(c.text);
        EXPECT_EQ(result.texts, c.texts) << c.text;
        EXPECT_EQ(result.ids, c.ids) << c.text;
        EXPECT_EQ(result.error, c.error) << c.text;
    }
}

TEST(NotebookList, RowsErrorsAndWhereReadingStops)
{
    struct Case {
        std::string text;
        std::string group;
        Strings texts, ids;
        std::string error;
    };
    const Case cases[] = {
        {"g1,nb7," + G("购物清单") + "\r\n", "g1", {G("购物清单")}, {"nb7"}, ""},
        {" g1 , nb7 , " + G("购物清单") + " ", "g1", {G("购物清单")}, {"nb7"}, ""},
        {",g1,nb7,x", "g1", {"x"}, {"nb7"}, ""},
        {"g1,nb7, ,x", "g1", {""}, {"nb7"}, ""},
        {"g1,a,A\r\ng2,b,B\r\ng1,c,C\r\n", "g1", {"A", "C"}, {"a", "c"}, ""},
        {"G1,a,A\r\ng1 ,b,B", "g1", {"B"}, {"b"}, ""},
        // Short lines of other groups are skipped; a short line of the group stops reading.
        {"g2,x\r\ng1,a,A\r\ng1,b\r\ng1,c,C", "g1", {"A"}, {"a"}, "List index out of bounds (2)"},
        {"g1,a,A\r\n\r\ng1,c,C", "g1", {"A"}, {"a"}, "List index out of bounds (0)"},
        {"g1", "g1", {}, {}, "List index out of bounds (2)"},
        {"g1,a,A\r\n", "g9", {}, {}, ""},
    };
    for (const Case& c : cases) {
        ReadResult result = Notebooks(c.text, c.group);
        EXPECT_EQ(result.texts, c.texts) << c.text;
        EXPECT_EQ(result.ids, c.ids) << c.text;
        EXPECT_EQ(result.error, c.error) << c.text;
    }
}

// Only a group whose id was cut compares field 0 cut the same way; an id of exactly 100 bytes
// was never cut, so it claims no notebook of a longer id that merely starts with it.
TEST(NotebookList, GroupIdsAtTheCutLength)
{
    struct Case {
        size_t groupIdBytes;
        Strings notebooks;
    };
    const std::string g(150, 'g');
    const std::string items = g + ",nb150,A\r\n" + g.substr(0, 101) + ",nb101,B\r\n" +
                              g.substr(0, 100) + ",nb100,C\r\n" + g.substr(0, 99) +
                              ",nb99,D\r\n";
    const Case cases[] = {
        {150, {"nb150", "nb101", "nb100"}}, // cut: every line whose first 100 bytes match
        {101, {"nb150", "nb101", "nb100"}},
        {100, {"nb100"}},
        {99, {"nb99"}},
    };
    for (const Case& c : cases) {
        ReadResult groups = Groups(g.substr(0, c.groupIdBytes) + ",name\r\n");
        ASSERT_EQ(groups.infos.size(), 1u);
        EXPECT_EQ(groups.infos[0].IdCut, c.groupIdBytes > 100) << c.groupIdBytes;
        EXPECT_EQ(Notebooks(items, groups.infos[0]).ids, c.notebooks) << c.groupIdBytes;
    }
}

TEST(CatalogFiles, ReadsFilesAndReportsMissingOnes)
{
    TempFolder folder;
    folder.Write("groups.txt", "g1," + G("家庭") + "\r\ng2," + G("工作") + "\r\n");
    folder.Write("items.txt", "g1,nb7," + G("购物清单") + "\r\ng2,nb8,x\r\n");
    ReadResult groups = Collect([&](const RowSink& sink) { ReadGroupList(folder.Dir(), sink); });
    EXPECT_EQ(groups.ids, (Strings{"g1", "g2"}));
    EXPECT_EQ(groups.error, "");
    ReadResult notebooks =
        Collect([&](const RowSink& sink) { ReadNotebookList(folder.Dir(), MakeFileInfo("", "g1"), sink); });
    EXPECT_EQ(notebooks.texts, (Strings{G("购物清单")}));

    TempFolder empty;
    ReadResult missing = Collect([&](const RowSink& sink) { ReadGroupList(empty.Dir(), sink); });
    std::string prefix = "Cannot open file \"" + empty.Dir() + "groups.txt\". ";
    EXPECT_EQ(missing.error.substr(0, prefix.size()), prefix);
    EXPECT_GT(missing.error.size(), prefix.size()) << "the system's reason follows";
    EXPECT_TRUE(missing.texts.empty());
    ReadResult missingItems =
        Collect([&](const RowSink& sink) { ReadNotebookList(empty.Dir(), MakeFileInfo("", "g1"), sink); });
    EXPECT_NE(missingItems.error.find(empty.Dir() + "items.txt"), std::string::npos);
}

TEST(SnapshotRows, RowTextAndStampRoundTrip)
{
    struct Case {
        std::string name, row, stamp;
    };
    const Case cases[] = {
        {"20120102030405.txt", G("2012年01月02日 03点04分05秒 保存的"), "20120102030405"},
        {"20120102030405.bak", G("2012年01月02日 03点04分05秒 保存的"), "20120102030405"},
        {"20120102030405", G("2012年01月02日 03点04分05秒 保存的"), "20120102030405"},
        // Short names: the fixed parts of the row slide into the stamp positions.
        {"2012", G("2012年月日 点分秒 保存的"), "2012\xD4\xC2 \xB5\xC3\xEB\xA3\xB4\xC4"},
        {"", G("年月日 点分秒 保存的"), "\xC4\xEA\xD4\xC2 \xB5\xD6\xC3\xA3\xB4\xC4"},
        {"a.txt", G("a.tx年t月日 点分秒 保存的"), "a.txt\xD4\xD5 \xD6\xC3\xB1\xA3\xB5\xC4"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SnapshotRowText(c.name), c.row) << c.name;
        EXPECT_EQ(StampFromRowText(c.row), c.stamp) << c.name;
    }
    // Rows shorter than the stamp positions give what they have and never read past the end.
    EXPECT_EQ(StampFromRowText(""), "");
    EXPECT_EQ(StampFromRowText("12345"), "1234");
    EXPECT_EQ(StampFromRowText("1234567"), "12347");
}

TEST(SnapshotRows, PathFromRowText)
{
    std::string row = G("2012年01月02日 03点04分05秒 保存的");
    EXPECT_EQ(SnapshotPath("/d/data3/nb7", row), "/d/data3/nb7/20120102030405.txt");
    EXPECT_EQ(SnapshotPath("", row), "");
    EXPECT_EQ(SnapshotPath("/d", "12/4"), "") << "a stamp never names another folder";
}

TEST(SnapshotFolder, NotebookIdSafety)
{
    struct Case {
        std::string id;
        bool safe;
    };
    const Case cases[] = {
        {"nb7", true},
        {G("读书"), true},
        {G("乗"), true}, // its trail byte is 0x5C, which is not a backslash here
        {"..a", true},
        {"", false},
        {".", false},
        {"..", false},
        {"../x", false},
        {"a/b", false},
        {"a\\b", false},
        {"c:", false},
        {"a\tb", false},
        {"a\x7f", false},
        {std::string("a\x01", 2), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSafeNotebookId(c.id), c.safe) << c.id;
    EXPECT_EQ(SnapshotDirFor("/d/", "nb7"), "/d/data3/nb7");
    EXPECT_EQ(SnapshotDirFor("/d/", G("读书")), "/d/data3/读书");
    EXPECT_EQ(SnapshotDirFor("/d/", ".."), "");
}

TEST(SnapshotFolder, ListsSortedRowsAndSkipsPlainFolders)
{
    TempFolder folder;
    folder.Write("data3/nb7/20120101000000.txt", "x");
    folder.Write("data3/nb7/20111231235959.txt", "x");
    folder.Write("data3/nb7/20120102030405.bak", "x");
    folder.Write("data3/nb7/20120102030405.txt", "x");
    folder.MakeFolder("data3/nb7/20130101000000");
    folder.MakeFolder("data3/nb7/.20140101000000"); // hidden as well as a folder: listed
    SnapshotChoice choice = ChooseSnapshotFolder(folder.Dir(), "nb7");
    EXPECT_EQ(choice.SnapshotDir, folder.Dir() + "data3/nb7");
    Strings want = {
        SnapshotRowText(".20140101000000"),
        G("2011年12月31日 23点59分59秒 保存的"),
        G("2012年01月01日 00点00分00秒 保存的"),
        G("2012年01月02日 03点04分05秒 保存的"),
        G("2012年01月02日 03点04分05秒 保存的"),
    };
    EXPECT_EQ(choice.Rows, want);
    EXPECT_EQ(FillSnapshotList(folder.Dir() + "data3/nb7/"), want);
}

TEST(SnapshotFolder, MissingOrUnsafeFoldersGiveNoRows)
{
    TempFolder folder;
    folder.Write("data3/20120101000000.txt", "x");
    folder.Write("groups.txt", "x");
    SnapshotChoice missing = ChooseSnapshotFolder(folder.Dir(), "nb9");
    EXPECT_EQ(missing.SnapshotDir, folder.Dir() + "data3/nb9");
    EXPECT_TRUE(missing.Rows.empty());
    for (const char* id : {".", "..", "", "../data3", "/tmp"}) {
        SnapshotChoice unsafe = ChooseSnapshotFolder(folder.Dir(), id);
        EXPECT_EQ(unsafe.SnapshotDir, "") << id;
        EXPECT_TRUE(unsafe.Rows.empty()) << id;
    }
    EXPECT_TRUE(FillSnapshotList("").empty());
}

TEST(SnapshotFolder, LongAndChineseIdsNameTheirFolders)
{
    TempFolder folder;
    std::string longId(130, 'n');
    folder.Write("data3/" + longId.substr(0, 100) + "/20120101000000.txt", "x");
    folder.Write("data3/读书/20120101000000.txt", "x");
    folder.Write("items.txt", "g1," + longId + ",A\r\ng1," + G("读书") + ",B\r\n");
    ReadResult notebooks =
        Collect([&](const RowSink& sink) { ReadNotebookList(folder.Dir(), MakeFileInfo("", "g1"), sink); });
    ASSERT_EQ(notebooks.ids.size(), 2u);
    for (const std::string& id : notebooks.ids)
        EXPECT_EQ(ChooseSnapshotFolder(folder.Dir(), id).Rows.size(), 1u) << id;
}

TEST(DataDir, FromArgument)
{
    EXPECT_EQ(DataDirFromArgument("/opt/w/", "sample"), "/opt/w/sample/");
    EXPECT_EQ(DataDirFromArgument("/opt/w", "sample"), "/opt/w/sample/");
    EXPECT_EQ(DataDirFromArgument("/opt/w/", ""), "");
}

} // namespace
} // namespace wenlocke
