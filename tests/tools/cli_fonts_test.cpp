#include "tests/tools/cli_run.h"

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

} // namespace
