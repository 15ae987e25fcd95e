// wenlocke-cli catalog on the bundled sample and on broken data folders.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "tests/tools/cli_run.h"

namespace {

namespace fs = std::filesystem;
using wenlocke::testing::CliRun;

CliRun RunCatalog(const std::string& dataDir)
{
    return wenlocke::testing::RunCli("catalog '" + dataDir + "'");
}

size_t Count(const std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t pos = text.find(piece); pos != std::string::npos; pos = text.find(piece, pos + 1))
        ++count;
    return count;
}

TEST(CliCatalog, ListsTheSample)
{
    CliRun run = RunCatalog(std::string(WENLOCKE_BIN_DIR) + "/sample");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const char* lines[] = {
        "家庭(分组) [g1]\n",
        "  购物清单 [1001]\n",
        "    2024年03月11日 08点15分02秒 保存的\n",
        "工作(分组) [g2]\n",
        "  旧笔记 [2003]\n学习(分组) [g3]\n",
        "学习(分组) [g3]\n  读书笔记 [读书]\n    2024年03月09日 21点00分15秒 保存的\n",
        "settings: meige_time=5 zuiduo_file=40\n",
    };
    for (const char* line : lines)
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin:\n" << run.out;
    EXPECT_EQ(Count(run.out, "保存的\n"), 36u);
    // Oldest first within a notebook.
    EXPECT_LT(run.out.find("2024年03月08日 09点00分11秒"), run.out.find("2024年03月16日 11点00分03秒"));
}

class BrokenFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = fs::temp_directory_path() / ("wenlocke-cli-" + std::to_string(std::random_device()()));
        fs::create_directories(m_path);
    }
    void TearDown() override { fs::remove_all(m_path); }
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    fs::path m_path;
};

TEST_F(BrokenFolder, MissingGroupListFails)
{
    CliRun run = RunCatalog(m_path.string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Cannot open file \"" + m_path.string() + "/groups.txt\". "),
              std::string::npos)
        << run.err;
}

TEST_F(BrokenFolder, ShortLinesStopReadingButKeepEarlierRows)
{
    Write("groups.txt", "g1,A\r\ng2,B\r\n\r\ng3,C\r\n");
    Write("items.txt", "g1,n1,N1\r\ng1,n2\r\ng1,n3,N3\r\ng2,n4,N4\r\n");
    CliRun run = RunCatalog(m_path.string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "A(分组) [g1]\n  N1 [n1]\nB(分组) [g2]\n  N4 [n4]\n");
    EXPECT_NE(run.err.find("List index out of bounds (1)"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("List index out of bounds (2)"), std::string::npos) << run.err;
}

} // namespace
