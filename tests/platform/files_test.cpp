#include "platform/files.h"

#include "tests/platform/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

using namespace platform;
using platform::testing::TempFolder;

namespace {

std::string ErrorOf(const std::string& path)
{
    try {
        ReadWholeFile(path);
    } catch (const FileError& error) {
        return error.what();
    }
    return "no error";
}

TEST(Files, ReadWholeFileKeepsEveryByte)
{
    TempFolder folder;
    const std::string bytes("a\0b\r\n\xd6\xd0\xff", 8);
    EXPECT_EQ(ReadWholeFile(folder.Write("f.txt", bytes)), bytes);
    EXPECT_EQ(ReadWholeFile(folder.Write("empty.txt", "")), "");
    const std::string big(200000, 'x');
    EXPECT_EQ(ReadWholeFile(folder.Write("big.txt", big)), big);
}

TEST(Files, ReadWholeFileNamesTheFullPathAndTheReason)
{
    TempFolder folder;
    EXPECT_EQ(ErrorOf(folder / "missing.txt"),
              "Cannot open file \"" + folder.Path() + "/missing.txt\". No such file or directory");
    EXPECT_EQ(ErrorOf(folder.Path()), "Cannot open file \"" + folder.Path() + "\". Is a directory");

    const std::string previous = std::filesystem::current_path();
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    const std::string relative = ErrorOf("sub/../gone.txt");
    ASSERT_EQ(chdir(previous.c_str()), 0);
    const std::string real = std::filesystem::canonical(folder.Path());
    EXPECT_EQ(relative, "Cannot open file \"" + real + "/gone.txt\". No such file or directory");
}

TEST(Files, EnumerateFolderReportsWindowsStyleAttributes)
{
    TempFolder folder;
    folder.Write("20120102030405.txt", "x");
    folder.Write(".hidden", "x");
    chmod(folder.Write("readonly.txt", "x").c_str(), 0444);
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_directory(folder / ".hsub");
    std::filesystem::create_directory(folder / "locked");
    chmod((folder / "locked").c_str(), 0555);
    std::filesystem::create_symlink(folder / "nowhere", folder / "dangling");

    std::map<std::string, uint32_t> found;
    for (const FolderEntry& entry : EnumerateFolder(folder.Path()))
        found[entry.name] = entry.attributes;
    const std::map<std::string, uint32_t> expected = {
        {".", faDirectory},
        {"..", faDirectory},
        {"20120102030405.txt", faArchive},
        {".hidden", faHidden | faArchive},
        {"readonly.txt", faReadOnly | faArchive},
        {"sub", faDirectory},
        {".hsub", faHidden | faDirectory},
        {"locked", faDirectory},
        {"dangling", faArchive},
    };
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(EnumerateFolder(folder / "missing").empty());
    EXPECT_TRUE(EnumerateFolder(folder / "20120102030405.txt").empty());
}

TEST(Files, ExistenceTestsTellFilesFromFolders)
{
    TempFolder folder;
    const std::string file = folder.Write("f.txt", "x");
    struct Case {
        std::string path;
        bool file;
        bool isFolder;
    };
    const Case cases[] = {
        {file, true, false},
        {folder.Path(), false, true},
        {folder.Path() + "/", false, true},
        {folder / "missing", false, false},
        {"", false, false},
        {"/dev/null", true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.file) << c.path;
        EXPECT_EQ(FolderExists(c.path), c.isFolder) << c.path;
    }
}

TEST(Files, ProgramFolderHoldsTheRunningProgram)
{
    const std::string expected = std::filesystem::canonical(WENLOCKE_BIN_DIR).string() + "/";
    EXPECT_EQ(ProgramFolder(), expected);
}

} // namespace
