#include "platform/profile.h"

#include "platform/files.h"
#include "tests/platform/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

using namespace platform;
using platform::testing::TempFolder;

namespace {

struct ReadCase {
    std::string text;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(Profile, ReadsOneKeyWithADefault)
{
    const std::string gbkValue = "\xd6\xd0\xce\xc4";
    const ReadCase cases[] = {
        {"[load]\r\nmeige_time=5\r\nzuiduo_file=80\r\n", "load", "zuiduo_file", "80"},
        {"[load]\nmeige_time=5\n", "load", "zuiduo_file", "def"},           // missing key
        {"[other]\nmeige_time=5\n", "load", "meige_time", "def"},           // missing section
        {"", "load", "meige_time", "def"},
        {"[LOAD]\nMeige_Time=7\n", "load", "meige_time", "7"},              // names ignore case
        {"  [ load ]  \n  meige_time  =  9 9  \n", "load", "meige_time", "9 9"},
        {"[load]\nk=\"quoted \"\n", "load", "k", "quoted "},
        {"[load]\nk='x'\n", "load", "k", "x"},
        {"[load]\nk=\"x'\n", "load", "k", "\"x'"},                          // unmatched quotes
        {"[load]\nk\n", "load", "k", ""},                                   // key without '='
        {"[load]\n;k=1\nk=2\n", "load", "k", "2"},                          // comment line
        {"[a]\nk=1\n[load]\nk=2\n[load]\nk=3\n", "load", "k", "2"},         // first section wins
        {"[load]\nk=1\nk=2\n", "load", "k", "1"},
        {"k=0\n[load]\nk=1", "load", "k", "1"},                             // no final line end
        {"\xEF\xBB\xBF[load]\nk=1\n", "load", "k", "1"},                    // UTF-8 BOM
        {"[load]\nk=" + gbkValue + "\n", "load", "k", gbkValue},
        {"[\xd6\x5d]\nk=1\n", "\xd6\x5d", "k", "1"},                        // ']' as a trail byte
        {"[load]\n\x81" "a=1\n", "load", "\x81" "A", "def"},                // trail bytes keep case
        {"[load]\nk=1\n[next\nk=2\n", "load", "k", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ProfileValueFromText(c.text, c.section, c.key, "def"), c.expected);
    }
}

TEST(Profile, ValuesAndDefaultsStopAt2047Bytes)
{
    const std::string longValue(3000, 'v');
    EXPECT_EQ(ProfileValueFromText("[s]\nk=" + longValue + "\n", "s", "k", ""),
              longValue.substr(0, 2047));
    EXPECT_EQ(ProfileValueFromText("[s]\nk=" + longValue.substr(0, 2047) + "\n", "s", "k", ""),
              longValue.substr(0, 2047));
    EXPECT_EQ(ProfileValueFromText("", "s", "k", longValue), longValue.substr(0, 2047));
    EXPECT_EQ(ProfileValueFromText("", "s", "k", "3 \t "), "3");
}

struct WriteCase {
    std::string before;
    ProfileEntries entries;
    std::string after;
};

TEST(Profile, WritingChangesOnlyTheValueBytes)
{
    const std::string gbk = "\xd6\xd0\xce\xc4";
    const WriteCase cases[] = {
        {"", {{"meige_time", "5"}, {"zuiduo_file", "60"}},
         "[load]\r\nmeige_time=5\r\nzuiduo_file=60\r\n"},
        {"; settings\r\n[load]\r\nmeige_time = 3 ; old\r\nname=" + gbk + "\r\n",
         {{"meige_time", "10"}},
         "; settings\r\n[load]\r\nmeige_time = 10\r\nname=" + gbk + "\r\n"},
        {"[other]\nmeige_time=1\n[Load]\nMEIGE_TIME=2\n", {{"meige_time", "3"}},
         "[other]\nmeige_time=1\n[Load]\nMEIGE_TIME=3\n"},
        {"[load]\nmeige_time=3\n\n[next]\nx=1\n", {{"zuiduo_file", "50"}},
         "[load]\nmeige_time=3\nzuiduo_file=50\n\n[next]\nx=1\n"},
        {"[load]\nmeige_time=3", {{"zuiduo_file", "50"}},
         "[load]\nmeige_time=3\nzuiduo_file=50\n"},
        {"[a]\nx=1", {{"k", "v"}}, "[a]\nx=1\n[load]\nk=v\n"},
        {"[load]\r\nflag\r\n", {{"flag", "1"}}, "[load]\r\nflag=1\r\n"},
        {"[load]\n\xd6\xd0=old\n", {{"\xd6\xd0", "new"}}, "[load]\n\xd6\xd0=new\n"},
        {"[load]\nk=1\n", {{"k", "1"}}, "[load]\nk=1\n"},
        {"[load]\nk=1\n", {{"bad\nkey", "1"}, {"k", "x\ny"}, {"=", "1"}}, "[load]\nk=1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        const std::string after = ProfileTextWithValues(c.before, "load", c.entries);
        EXPECT_EQ(after, c.after);
        for (const auto& [key, value] : c.entries) {
            if (IsWritableProfileEntry("load", key, value)) {
                EXPECT_EQ(ProfileValueFromText(after, "load", key, "?"), value);
            }
        }
    }
}

TEST(Profile, WritableEntriesAreThoseThatReadBack)
{
    struct Case {
        std::string section, key, value;
        bool writable;
    };
    const Case cases[] = {
        {"load", "meige_time", "5", true},
        {"load", "k", "", true},
        {"", "k", "v", false},
        {"lo]ad", "k", "v", false},
        {"\xd6\x5d", "k", "v", true},
        {"loa\xc1", "k", "v", false},                   // ']' would be a trail byte
        {" load", "k", "v", false},
        {"load", "k=", "v", false},
        {"load", "[k", "v", false},
        {"load", ";k", "v", false},
        {"load", "k ", "v", false},
        {"load", "k", "a\rb", false},
        {"load", "k", "a\nb", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWritableProfileEntry(c.section, c.key, c.value), c.writable)
            << c.section << "/" << c.key;
}

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(ProfileFile, WritesAndReadsThroughTheFile)
{
    TempFolder folder;
    const std::string path = folder / "lishi.ini";
    EXPECT_EQ(ReadProfileString(path, "load", "meige_time", "3"), "3");
    ASSERT_TRUE(WriteProfileStrings(path, "load", {{"meige_time", "7"}, {"zuiduo_file", "9"}}));
    EXPECT_EQ(ReadWholeFile(path), "[load]\r\nmeige_time=7\r\nzuiduo_file=9\r\n");
    EXPECT_EQ(ReadProfileString(path, "LOAD", "Zuiduo_File", "50"), "9");
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"lishi.ini"}); // no temporaries left
}

TEST(ProfileFile, KeepsPermissionsAndWritesThroughLinks)
{
    TempFolder folder;
    const std::string real = folder.Write("real.ini", "[load]\nk=1\n");
    chmod(real.c_str(), 0640);
    const std::string link = folder / "link.ini";
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WriteProfileStrings(link, "load", {{"k", "2"}}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real), "[load]\nk=2\n");
    struct stat info {};
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ProfileFile, FailuresLeaveTheFileAlone)
{
    TempFolder folder;
    // No folder to hold the file: nothing can be created.
    EXPECT_FALSE(WriteProfileStrings(folder / "missing/lishi.ini", "load", {{"k", "1"}}));
    EXPECT_FALSE(FolderExists(folder / "missing"));
    // The path names a folder.
    std::filesystem::create_directory(folder / "dir.ini");
    EXPECT_FALSE(WriteProfileStrings(folder / "dir.ini", "load", {{"k", "1"}}));
    EXPECT_TRUE(FolderExists(folder / "dir.ini"));
    // A read-only file stays read-only, even for root.
    const std::string locked = folder.Write("locked.ini", "[load]\nk=1\n");
    chmod(locked.c_str(), 0444);
    EXPECT_FALSE(WriteProfileStrings(locked, "load", {{"k", "2"}}));
    EXPECT_EQ(ReadWholeFile(locked), "[load]\nk=1\n");
    // An entry that cannot be written as asked.
    const std::string original = "[load]\r\nk=1\r\n";
    const std::string path = folder.Write("lishi.ini", original);
    EXPECT_FALSE(WriteProfileStrings(path, "load", {{"k", "2"}, {"bad\nkey", "1"}}));
    EXPECT_EQ(ReadWholeFile(path), original);
}

// Permission bits do not stop root, so the write is made to fail with a file-size limit: the
// temporary file cannot grow past it, the way a full disk would stop it.
TEST(ProfileFile, AFailedWriteLeavesTheOriginalByteForByte)
{
    TempFolder folder;
    const std::string original = "; keep me\r\n[load]\r\nmeige_time=3\r\n" + std::string(200, 'x');
    const std::string path = folder.Write("lishi.ini", original);

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteProfileStrings(path, "load", {{"meige_time", "5"}});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadWholeFile(path), original);
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"lishi.ini"});
}

TEST(ProfileFile, ARelativePathIsTakenFromTheCurrentFolder)
{
    TempFolder folder;
    const std::string previous = std::filesystem::current_path();
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    const bool written = WriteProfileStrings("lishi.ini", "load", {{"k", "1"}});
    const std::string read = ReadProfileString("lishi.ini", "load", "k", "0");
    ASSERT_EQ(chdir(previous.c_str()), 0);
    EXPECT_TRUE(written);
    EXPECT_EQ(read, "1");
    EXPECT_TRUE(FileExists(folder / "lishi.ini"));
}

} // namespace
