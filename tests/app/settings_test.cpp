// Integer conversion of the settings fields, reading with defaults, and confirming.
#include "app/settings.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace wenlocke {
namespace {

namespace fs = std::filesystem;

TEST(ParseInteger32, FollowsThePlatformConversion)
{
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"1", 1},
        {"007", 7},
        {"  12", 12},
        {"+5", 5},
        {"-5", -5},
        {"$A", 10},
        {"$a", 10},
        {"xFF", 255},
        {"XfF", 255},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"  -0x7fffffff", 2147483647 * -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$80000000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"x", std::nullopt},
        {"12a", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"- 1", std::nullopt},
        {"+-1", std::nullopt},
        {"$G", std::nullopt},
        {"0x-1", std::nullopt},
        {"1.5", std::nullopt},
        {"\xEF\xBC\x91", std::nullopt}, // a full-width digit
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInteger32(c.text), c.value) << '"' << c.text << '"';
}

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("wenlocke-settings-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    void TearDown() override
    {
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_path);
    }
    std::string Dir() const { return m_path.string() + "/"; }
    std::string Ini() const { return Dir() + "lishi.ini"; }
    void WriteIni(const std::string& text) const { std::ofstream(Ini(), std::ios::binary) << text; }
    std::string ReadIni() const
    {
        return platform::FileExists(Ini()) ? platform::ReadWholeFile(Ini()) : std::string("<none>");
    }

    fs::path m_path;
};

TEST_F(SettingsFolder, ReadsValuesAsTextWithDefaults)
{
    HistorySettings missing = ReadHistorySettings(Dir());
    EXPECT_EQ(missing.Interval, "3");
    EXPECT_EQ(missing.Count, "50");
    WriteIni("[other]\r\nmeige_time=9\r\n");
    EXPECT_EQ(ReadHistorySettings(Dir()).Interval, "3");
    WriteIni("[load]\r\nmeige_time=abc\r\nzuiduo_file=007\r\n");
    HistorySettings read = ReadHistorySettings(Dir());
    EXPECT_EQ(read.Interval, "abc");
    EXPECT_EQ(read.Count, "007");
    HistorySettings noFolder = ReadHistorySettings("");
    EXPECT_EQ(noFolder.Interval, "3");
    EXPECT_EQ(noFolder.Count, "50");
}

TEST_F(SettingsFolder, ConfirmChecksThenWritesBothKeys)
{
    struct Case {
        const char* interval;
        const char* count;
        ConfirmResult result;
        const char* wantInterval; // value in the file afterwards
        const char* wantCount;
    };
    const Case cases[] = {
        {"1", "1", ConfirmResult::Saved, "1", "1"},
        {"007", "$A", ConfirmResult::Saved, "7", "10"},
        {"0", "5", ConfirmResult::TooSmall, "7", "10"},
        {"5", "-5", ConfirmResult::TooSmall, "7", "10"},
        {"", "5", ConfirmResult::BadNumber, "7", "10"},
        {"12a", "5", ConfirmResult::BadNumber, "7", "10"},
        {"5", "12 ", ConfirmResult::BadNumber, "7", "10"},
        {"0", "x", ConfirmResult::BadNumber, "7", "10"},
        {" 15", "2147483647", ConfirmResult::Saved, "15", "2147483647"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConfirmHistorySettings(Dir(), c.interval, c.count), c.result) << c.interval;
        HistorySettings now = ReadHistorySettings(Dir());
        EXPECT_EQ(now.Interval, c.wantInterval) << c.interval;
        EXPECT_EQ(now.Count, c.wantCount) << c.interval;
    }
}

TEST_F(SettingsFolder, ConfirmKeepsTheRestOfTheFile)
{
    WriteIni("; editor settings\r\n[main]\r\nfont=SimSun\r\n");
    ASSERT_EQ(ConfirmHistorySettings(Dir(), "4", "60"), ConfirmResult::Saved);
    std::string text = ReadIni();
    EXPECT_NE(text.find("; editor settings"), std::string::npos);
    EXPECT_NE(text.find("font=SimSun"), std::string::npos);
    HistorySettings now = ReadHistorySettings(Dir());
    EXPECT_EQ(now.Interval, "4");
    EXPECT_EQ(now.Count, "60");
}

TEST_F(SettingsFolder, ConfirmReportsFilesThatCannotBeWritten)
{
    std::string missingFolder = Dir() + "no-such-folder/";
    try {
        ConfirmHistorySettings(missingFolder, "5", "40");
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + missingFolder + "lishi.ini");
    }
    // Without a data folder nothing is written anywhere and the user is told so.
    try {
        ConfirmHistorySettings("", "5", "40");
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to lishi.ini");
    }
    EXPECT_FALSE(fs::exists("lishi.ini"));
    // Bad values are reported before anything is tried.
    EXPECT_EQ(ConfirmHistorySettings("", "0", "40"), ConfirmResult::TooSmall);
}

TEST(ConfirmMessage, Texts)
{
    EXPECT_STREQ(ConfirmMessage(ConfirmResult::BadNumber), "数字格式不对，请重新设置。");
    EXPECT_STREQ(ConfirmMessage(ConfirmResult::TooSmall), "值太小，请重新设置。");
    EXPECT_STREQ(ConfirmMessage(ConfirmResult::Saved), "设置成功，下次打开记事本将生效。");
}

} // namespace
} // namespace wenlocke
