#include "tests/tools/cli_run.h"
#include "vellum/rvf/rvf_style_records.h"
#include "vellum/style/font_info.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string RunCli(const std::string& arguments)
{
    return wenlocke::testing::RunCli(arguments).out;
}


TEST(CliFonts, ReportsWhatEachFaceResolvesTo)
{
    const std::string output = RunCli("fonts");
    for (const char* line : {"Arial -> Liberation Sans,", "宋体 -> AR PL UMing CN,",
                             "SimSun -> AR PL UMing CN,", "Times New Roman -> Liberation Serif,",
                             "Courier New -> Liberation Mono,", "Tahoma -> Liberation Sans,",
                             "Microsoft YaHei -> Noto Sans CJK SC,"})
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    EXPECT_NE(output.find("  10 pt: height "), std::string::npos);
}

TEST(CliFonts, NamedFacesOnlyAndMonospaceAdvances)
{
    const std::string output = RunCli("fonts \"Courier New\"");
    EXPECT_EQ(output.find("Arial"), std::string::npos);
    // A monospace face gives every Latin letter the same advance; Chinese falls back.
    EXPECT_NE(output.find("advances: \"x\" 8, \"W\" 8, \"中\" 13"), std::string::npos) << output;
}

// A snapshot whose style table holds a plain, a superscript, a raised and a scaled style.
TEST(CliFonts, StylesOfASnapshotAsTheCacheHoldsThem)
{
    vellum::TFontInfos text(nullptr);
    text.Add().StyleName = u"Plain";
    vellum::TFontInfo& super = text.Add();
    super.StyleName = u"Super";
    super.SubSuperScriptType = vellum::rvsssSuperScript;
    vellum::TFontInfo& raised = text.Add();
    raised.StyleName = u"Raised";
    raised.VShift = 100;
    raised.Style.Include(vellum::fsBold);
    vellum::TFontInfo& scaled = text.Add();
    scaled.StyleName = u"Scaled";
    scaled.FontName = u"\u5B8B\u4F53";
    scaled.CharScale = 50;
    scaled.Size = 12;
    const wenlocke::testing::TempFile file("-8 1 3\r\n-9 2 0 0 0 0 1\r\nRVStyle1\r\n" +
                                           wenlocke::testing::Hex(vellum::WriteRvfStyleTableBody(text)) +
                                           "\r\n0 1 0 0 0 0\r\nx\r\n");
    const wenlocke::testing::CliRun run = wenlocke::testing::RunCli("fonts --styles '" + file.path.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    for (const char* line :
         {"0 Plain: Arial 10 pt -> Liberation Sans, ", "1 Super: Arial 10 pt -> Liberation Sans, ",
          "2 Raised: Arial 10 pt bold -> Liberation Sans, ", "3 Scaled: 宋体 12 pt -> AR PL UMing CN, ",
          "  vertical offset 0, script height 0, hyphen 4 x 15\n",
          // Raised by the whole height of its font.
          "  vertical offset 15, script height 0, hyphen 4 x 15\n", ", height request -16, width "})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    EXPECT_EQ(run.err.find("not read"), std::string::npos) << run.err;
}

TEST(CliFonts, StylesUsageAndUnreadableFiles)
{
    EXPECT_EQ(wenlocke::testing::RunCli("fonts --styles").exitCode, 2);
    EXPECT_EQ(wenlocke::testing::RunCli("fonts --styles a b").exitCode, 2);
    // What could not be read leaves the window's own style sheet, which is shown.
    const wenlocke::testing::CliRun missing = wenlocke::testing::RunCli("fonts --styles /nonexistent/file.txt");
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_NE(missing.out.find("0 Normal text: Arial 10 pt -> "), std::string::npos) << missing.out;
    EXPECT_NE(missing.err.find("not read to its end"), std::string::npos);
}

} // namespace
