#include "tests/tools/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using wenlocke::testing::RunCli;

const std::string kSampleDir = std::string(WENLOCKE_SOURCE_DIR) + "/sample/data3";

// Every snapshot of the sample data lays out on both canvases, one line per draw item after
// the document line, each piece inside the client area's text width or on a line of its own.
TEST(CliLayout, EverySampleSnapshotPrintsItsDump)
{
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSampleDir)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        for (const char* metrics : {"--test-metrics", ""}) {
            const auto run = RunCli("layout '" + entry.path().string() + "' --width 300 " + metrics);
            ASSERT_EQ(run.exitCode, 0) << entry.path() << run.err;
            EXPECT_EQ(run.out.rfind("document client=300 width=", 0), 0u) << entry.path();
            EXPECT_NE(run.out.find("\nd0 item=0 "), std::string::npos) << entry.path();
        }
    }
    EXPECT_GT(files, 3);
}

TEST(CliLayout, SummaryPrintsCountsOnly)
{
    const auto run = RunCli("layout '" + std::string(WENLOCKE_SOURCE_DIR) +
                            "/tests/golden/layout/inputs/break_and_link.rvf' --width 150 --test-metrics --summary");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("document client=150 width=140 text-width=140 height=69 draw-items=5 lines=4 format-ms=", 0), 0u)
        << run.out;
    EXPECT_EQ(run.out.find("\nd0"), std::string::npos);
}

TEST(CliLayout, UsageErrors)
{
    for (const char* args : {"layout", "layout FILE", "layout FILE --width", "layout FILE --width 0",
                             "layout FILE --width x", "layout --width 100", "layout A B --width 100",
                             "layout FILE --width 100 --bogus"}) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_NE(run.err.find("usage: wenlocke-cli layout FILE --width N"), std::string::npos) << args;
    }
}

TEST(CliLayout, MissingFileGivesAnEmptyDocument)
{
    const auto run = RunCli("layout /nonexistent/file.rvf --width 100 --test-metrics");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "document client=100 width=90 text-width=90 height=10\n");
}

} // namespace
