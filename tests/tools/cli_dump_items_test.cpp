// wenlocke-cli dump on a snapshot that holds every kind of item record: it loads whole and each
// item shows its own fields.
#include "tests/platform/picture_fixtures.h"
#include "tests/tools/cli_run.h"
#include "vellum/rvf/rvf_style_records.h"
#include "vellum/style/list_info.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string RunDump(const fs::path& file)
{
    return wenlocke::testing::RunCli("dump '" + file.string() + "'").out;
}

std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        out.push_back(digits[static_cast<unsigned char>(c) >> 4]);
        out.push_back(digits[static_cast<unsigned char>(c) & 15]);
    }
    return out;
}

std::string Binary(const std::string& bytes)
{
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((bytes.size() >> (8 * i)) & 0xFF));
    return out + bytes;
}

std::string SmallBmp()
{
    using namespace picture_fixtures;
    DibSpec layout;
    layout.width = 2;
    layout.height = 3;
    layout.bits = Rows({Bytes({1, 2, 3, 4, 5, 6}), Bytes({1, 2, 3, 4, 5, 6}), Bytes({1, 2, 3, 4, 5, 6})});
    return MakeBmpFile(layout);
}

// A list style table of one list whose level numbers "1.", "2.", ...
std::string ListStyleRecord()
{
    vellum::TRVListInfos lists(nullptr);
    vellum::TRVListLevel& level = lists.Add().Levels.Add();
    level.ListType = vellum::rvlstDecimal;
    level.FormatString = "%0:s.";
    return "-9 2 0 0 0 0 4\r\nRVStyle1\r\n" + Hex(vellum::WriteRvfStyleTableBody(lists)) + "\r\n";
}

std::string EveryKind()
{
    const std::string bmp = SmallBmp();
    const std::string note = "-8 1 3\r\n-205 5 0 0 0 0\r\n0\r\n0\r\n0\r\nno-protect\r\nref\r\n0 1 -1 0 0 0\r\n note\r\n";
    return "-8 1 3\r\n" + ListStyleRecord() +
           "0 1 0 0 0 0\r\ntext\r\n"
           "-1 0 0 0 0 0 255 2 3\r\n"
           "-3 4 0 0 0 0\r\npic\r\nTBitmap\r\nhint=tip\r\n" + Hex(bmp) + "\r\n"
           "-10 3 -1 0 2 0 1\r\nhot\r\nTBitmap\r\n" + Binary(bmp) +
           "-6 1 -1 0 0 0 0 1\r\nbullet\r\n"
           "-4 1 -1 0 0 0 0 1 2\r\nhotspot\r\n"
           "-5 3 -1 0 0 0\r\nbutton\r\nTButton\r\n5450463007\r\n"
           "-12 0 -1 0 0 0 1\r\n"
           "-11 0 0 0 0 0 0 0 1 0\r\n0 1 -1 0 0 0\r\nlisted\r\n"
           "-11 0 0 0 0 0 0 0 1 0\r\n0 1 -1 0 0 0\r\nlisted too\r\n"
           "-200 6 0 0 0 0\r\nSee\r\n1\r\n20\r\n1\r\nprotect\r\nlabel\r\n"
           "-202 10 -1 0 0 0\r\nFig\r\n4\r\n1\r\n3\r\n0\r\n0\r\n0\r\nno-protect\r\nseq\r\n(%s)\r\n"
           "-203 8 -1 0 0 0\r\n0\r\n0\r\n0\r\nprotect\r\n0\r\n1\r\nfoot\r\n" + Hex(note) + "\r\n"
           "-204 8 -1 0 2 0\r\n0\r\n0\r\n0\r\nprotect\r\n0\r\n1\r\nend\r\n" + Binary(note) +
           "0 1 -1 0 0 0\r\nlast\r\n";
}

TEST(CliDumpItems, EveryItemKindShowsItsFields)
{
    fs::path path = fs::temp_directory_path() / ("wenlocke-items-" + std::to_string(std::random_device()()));
    std::ofstream(path, std::ios::binary) << EveryKind();
    const std::string out = RunDump(path);
    fs::remove(path);
    // Bullets and hotspots have no image list and the control no class: the three are dropped,
    // the control with its warning (bit 1), and reading goes on to the end.
    EXPECT_EQ(out.rfind("{\"ok\": true, \"warnings\": 2, ", 0), 0u) << out;
    const std::string expected[] = {
        "\"kind\": -1, \"para\": 0, \"flags\": 0, \"text\": \"\", \"tag\": 0, \"line\": {\"color\": 255, \"kind\": 2, \"thickness\": 3}}",
        "\"kind\": -3, \"para\": 0, \"flags\": 0, \"text\": \"pic\", \"tag\": 0, \"picture\": {\"format\": \"bitmap\", \"width\": 2, \"height\": 3, \"bytes\": 78}, \"size\": [0, 0], \"hint\": \"tip\"}",
        "\"kind\": -10, \"para\": 0, \"flags\": 1, \"text\": \"hot\", \"tag\": 0, \"picture\": {\"format\": \"bitmap\", \"width\": 2, \"height\": 3, \"bytes\": 78}",
        "\"kind\": -12, \"para\": 0, \"flags\": 1, \"text\": \"\", \"tag\": 0, \"tabTextStyle\": 1}",
        "\"kind\": -11, \"para\": 0, \"flags\": 0, \"text\": \"\", \"tag\": 0, \"marker\": {\"listNo\": 0, \"level\": 0, \"startFrom\": 1, \"reset\": false, \"counter\": 1, \"text\": \"1.\"}}",
        "\"marker\": {\"listNo\": 0, \"level\": 0, \"startFrom\": 1, \"reset\": false, \"counter\": 2, \"text\": \"2.\"}}",
        "\"label\": {\"caption\": \"See\", \"captionStyle\": 1, \"minWidth\": 20, \"align\": 1, \"locked\": true}",
        "\"label\": {\"caption\": \"(III)\", \"captionStyle\": 0, \"minWidth\": 0, \"align\": 0, \"locked\": false, \"counterName\": \"Fig\", \"numberFormat\": 4, \"restart\": true, \"restartValue\": 3, \"captionFormat\": \"(%s)\", \"value\": 3}",
        "\"counterName\": \"@footnote@\", \"numberFormat\": 0, \"restart\": false, \"restartValue\": 1, \"captionFormat\": \"\", \"value\": 1}, \"noteItems\": [{\"kind\": -205, \"para\": 0, \"flags\": 0, \"text\": \"ref\", \"tag\": 0, \"label\": {\"caption\": \"1\"",
        "\"counterName\": \"@endnote@\"",
        "{\"kind\": 0, \"para\": 0, \"flags\": 1, \"text\": \" note\", \"tag\": 0}]",
        "\"text\": \"last\"",
    };
    for (const std::string& part : expected)
        EXPECT_NE(out.find(part), std::string::npos) << part << "\nin:\n" << out;
    EXPECT_EQ(out.find("\"kind\": -6"), std::string::npos);
    EXPECT_EQ(out.find("\"kind\": -4"), std::string::npos);
    EXPECT_EQ(out.find("\"kind\": -5"), std::string::npos);
}

// The counts agree with the items above: nested note texts are counted, text bytes are those of
// text items only, and nothing of the items themselves is printed.
TEST(CliDumpItems, StatsCountEveryKindWithNestedDocuments)
{
    fs::path path = fs::temp_directory_path() / ("wenlocke-stats-" + std::to_string(std::random_device()()));
    std::ofstream(path, std::ios::binary) << EveryKind();
    const wenlocke::testing::CliRun run = wenlocke::testing::RunCli("dump --stats '" + path.string() + "'");
    fs::remove(path);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "{\"ok\": true, \"warnings\": 2, \"textStyles\": 6, \"paraStyles\": 2, \"listStyles\": 1, "
              "\"items\": 14, \"allItems\": 18, \"itemsByKind\": {\"break\": 1, \"endnote\": 1, "
              "\"footnote\": 1, \"hotPicture\": 1, \"label\": 1, \"listMarker\": 2, \"noteReference\": 2, "
              "\"picture\": 1, \"sequence\": 1, \"tab\": 1, \"text\": 6}, \"textBytes\": 34, "
              "\"checkpoints\": 0, \"nestedDocuments\": 2, \"properties\": 0}\n");
}

} // namespace
