// wenlocke-cli dump: the JSON it prints for a snapshot, for a broken one, and its usage error.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "tests/tools/cli_run.h"
#include "vellum/rvf/rvf_style_records.h"
#include "vellum/style/font_info.h"
#include "vellum/style/list_info.h"

namespace {

namespace fs = std::filesystem;
using DumpRun = wenlocke::testing::CliRun;

DumpRun RunDump(const std::string& args)
{
    return wenlocke::testing::RunCli("dump " + args);
}

using wenlocke::testing::Hex;
using wenlocke::testing::TempFile;

const std::string kStyles =
    "\"textStyles\": ["
    "{\"name\": \"Normal text\", \"FontName\": \"Arial\", \"Size\": 10, \"Unicode\": false, \"Jump\": false, "
    "\"Color\": 4278190088, \"Style\": []}, "
    "{\"name\": \"Heading\", \"FontName\": \"Arial\", \"Size\": 10, \"Unicode\": false, \"Jump\": false, "
    "\"Color\": 16711680, \"Style\": [\"fsBold\"]}, "
    "{\"name\": \"Subheading\", \"FontName\": \"Arial\", \"Size\": 10, \"Unicode\": false, \"Jump\": false, "
    "\"Color\": 8388608, \"Style\": [\"fsBold\"]}, "
    "{\"name\": \"Keywords\", \"FontName\": \"Arial\", \"Size\": 10, \"Unicode\": false, \"Jump\": false, "
    "\"Color\": 128, \"Style\": [\"fsItalic\"]}, "
    "{\"name\": \"Jump 1\", \"FontName\": \"Arial\", \"Size\": 10, \"Unicode\": false, \"Jump\": true, "
    "\"Color\": 32768, \"Style\": [\"fsUnderline\"]}, "
    "{\"name\": \"Jump 2\", \"FontName\": \"Arial\", \"Size\": 10, \"Unicode\": false, \"Jump\": true, "
    "\"Color\": 32768, \"Style\": [\"fsUnderline\"]}], "
    "\"paraStyles\": [{\"name\": \"Paragraph Style\", \"Alignment\": \"rvaLeft\"}, "
    "{\"name\": \"Centered\", \"Alignment\": \"rvaCenter\"}], \"listStyles\": 0, ";

TEST(CliDump, PrintsStylesItemsCheckpointsAndProperties)
{
    // GBK text, a checkpoint, UTF-16 text converted to GBK (warning bit 5), a break, property
    // strings and an end checkpoint.
    TempFile file("-8 1 3\r\n-2 1 0 0 0 5 1 0\r\ncp\r\n1 1 1 0 0 0\r\n\xC4\xE3\"\r\n"
                  "0 1 -1 8 0 9\r\n}Y\x29\x20-1 0 0 0 0 0\r\n-9 1 0 0 0 0 5\r\n\xD5\xC5=1\r\n"
                  "-2 1 0 0 0 0\r\nend\r\n");
    DumpRun run = RunDump("'" + file.path.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "{\"ok\": true, \"warnings\": 32, " + kStyles +
                  "\"items\": ["
                  "{\"kind\": 1, \"para\": 1, \"flags\": 0, \"text\": \"\xE4\xBD\xA0\\\"\", \"tag\": 0, "
                  "\"checkpoint\": {\"name\": \"cp\", \"tag\": 5, \"raiseEvent\": true, \"pinned\": false}}, "
                  "{\"kind\": 0, \"para\": 1, \"flags\": 1, \"text\": \"\xE5\xA5\xBD\", \"tag\": 9}, "
                  "{\"kind\": -1, \"para\": 0, \"flags\": 0, \"text\": \"\", \"tag\": 0, "
                  "\"line\": {\"color\": 536870911, \"kind\": 0, \"thickness\": 1}}], "
                  "\"endCheckpoint\": {\"name\": \"end\", \"tag\": 0, \"raiseEvent\": false, \"pinned\": false}, "
                  "\"properties\": [\"\xE5\xBC\xA0=1\"], \"listStyleTable\": [], \"pageParameters\": []}\n");
}

TEST(CliDump, FailureStillPrintsWhatWasRead)
{
    TempFile file("0 1 0 0 0\r\nab\r\n0 2 0 0 0\r\ncd\r\n");
    DumpRun run = RunDump("'" + file.path.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("{\"ok\": false, \"warnings\": 0, ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\"items\": [{\"kind\": 0, \"para\": 0, \"flags\": 0, \"text\": \"ab\", \"tag\": 0}, "
                           "{\"kind\": 0, \"para\": 0, \"flags\": 0, \"text\": \"cd\", \"tag\": 0}]"),
              std::string::npos)
        << run.out;

    DumpRun missing = RunDump("/nonexistent/snapshot.txt");
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_EQ(missing.out.rfind("{\"ok\": false, ", 0), 0u);
}

TEST(CliDump, SnapshotWithItsOwnStyleTables)
{
    vellum::TFontInfos text(nullptr);
    vellum::TFontInfo& song = text.Add();
    song.StyleName = u"Body";
    song.FontName = u"\u5B8B\u4F53";
    song.Size = 12;
    song.Color = 0x0000FF;
    vellum::TRVListInfos lists(nullptr);
    lists.Add().StyleName = u"Bullets";
    lists[0].Levels.Add();
    TempFile file("-8 1 3\r\n-9 2 0 0 0 0 1\r\nRVStyle1\r\n" + Hex(vellum::WriteRvfStyleTableBody(text)) +
                  "\r\n-9 2 0 0 0 0 4\r\nRVStyle1\r\n" + Hex(vellum::WriteRvfStyleTableBody(lists)) +
                  "\r\n-9 1 0 0 0 0 7\r\nZoomPercent=80\r\n0 1 0 0 0 0\r\nx\r\n");
    DumpRun run = RunDump("'" + file.path.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\"textStyles\": [{\"name\": \"Body\", \"FontName\": \"\xE5\xAE\x8B\xE4\xBD\x93\", "
                           "\"Size\": 12, \"Unicode\": false, \"Jump\": false, \"Color\": 255, \"Style\": []}], "),
              std::string::npos)
        << run.out;
    // The count keeps its place in the output; the table itself follows the property strings.
    EXPECT_NE(run.out.find("\"listStyles\": 1, "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"listStyleTable\": [{\"name\": \"Bullets\", \"levels\": 1}]"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"pageParameters\": [\"ZoomPercent=80\"]}"), std::string::npos) << run.out;
}

TEST(CliDump, UsageErrors)
{
    EXPECT_EQ(RunDump("").exitCode, 2);
    EXPECT_EQ(RunDump("a b").exitCode, 2);
    EXPECT_EQ(RunDump("--stats").exitCode, 2);
    EXPECT_EQ(RunDump("--stats a b").exitCode, 2);
    EXPECT_EQ(RunDump("--other a").exitCode, 2);
}

} // namespace
