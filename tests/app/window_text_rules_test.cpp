// Pure rules of the window program: the error box's final period and the command line.
#include "app/command_line.h"
#include "app/message_sink.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace wenlocke {
namespace {

TEST(ErrorBoxText, AddsPeriodOnlyAfterCharactersThatSortAfterIt)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"List index out of bounds (1)", "List index out of bounds (1)"},
        {"Cannot open file \"a.txt\". No such file or directory",
         "Cannot open file \"a.txt\". No such file or directory."},
        {"Done.", "Done."},
        {"Really!", "Really!"},
        {"trailing blank ", "trailing blank "},
        {"a-", "a-"},
        {"a,", "a,"},
        {"a/", "a/."},
        {"version 2", "version 2."},
        {"ends in z", "ends in z."},
        {"中文", "中文."},
        {"句号。", "句号。."},
        {"\"quoted\"", "\"quoted\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorBoxText(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
}

TEST(ProgramOptions, ParsesDataScreenshotAndRows)
{
    const struct {
        std::vector<std::string> args;
        bool ok;
        std::string data;
        std::string screenshot;
        std::vector<int> rows;
    } cases[] = {
        {{}, true, "", "", {}},
        {{"sample"}, true, "sample", "", {}},
        {{"sample", "ignored", "too"}, true, "sample", "", {}},
        {{"/abs/data"}, true, "/abs/data", "", {}},
        {{"sample", "--screenshot", "a.png"}, true, "sample", "a.png", {}},
        {{"--screenshot", "a.png", "sample", "--select", "0,1,2"}, true, "sample", "a.png", {0, 1, 2}},
        {{"sample", "--screenshot", "a.png", "--select", "3"}, true, "sample", "a.png", {3}},
        {{"sample", "--screenshot", "a.png", "--select", "0,1"}, true, "sample", "a.png", {0, 1}},
        {{"sample", "--screenshot"}, false, "", "", {}},
        {{"sample", "--select", "0,0,0"}, false, "", "", {}},
        {{"sample", "--screenshot", "a.png", "--select", "0,0,0,0"}, false, "", "", {}},
        {{"sample", "--screenshot", "a.png", "--select", "0,,1"}, false, "", "", {}},
        {{"sample", "--screenshot", "a.png", "--select", "-1"}, false, "", "", {}},
        {{"sample", "--screenshot", "a.png", "--select", "1x"}, false, "", "", {}},
        {{"sample", "--verbose"}, false, "", "", {}},
    };
    for (const auto& c : cases) {
        std::string error;
        const std::optional<ProgramOptions> options = ParseProgramOptions(c.args, &error);
        const std::string where = c.args.empty() ? "(none)" : c.args.back();
        ASSERT_EQ(options.has_value(), c.ok) << where;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << where;
            continue;
        }
        EXPECT_EQ(options->dataArgument, c.data) << where;
        EXPECT_EQ(options->screenshotPath, c.screenshot) << where;
        EXPECT_EQ(options->selectRows, c.rows) << where;
    }
}

} // namespace
} // namespace wenlocke
