#include "platform/locale.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform;

namespace {

TEST(Locale, PosixNamesMapToWindowsIdentifiers)
{
    const std::pair<const char*, LocaleId> cases[] = {
        {"zh_CN.UTF-8", 2052}, {"zh_CN.GBK", 2052}, {"zh_CN", 2052}, {"zh_TW.Big5", 1028},
        {"en_US.UTF-8", 1033}, {"de_DE@euro", 1031}, {"ja_JP.eucJP", 1041},
        {"C", 0},              {"C.UTF-8", 0},       {"POSIX", 0},   {"", 0}, {"zh", 0},
    };
    for (const auto& [name, id] : cases)
        EXPECT_EQ(LocaleIdOfName(name), id) << name;
}

// The start-up steps end in the Chinese (PRC) locale and code page 936 whatever the machine's
// environment says.
TEST(Locale, StartupEndsInChinesePrcWhateverTheEnvironment)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved ? saved : "";
    for (const char* environment : {"en_US.UTF-8", "C", "zh_CN.UTF-8"}) {
        setenv("LC_ALL", environment, 1);
        SetThreadLocale(1049);
        SetConsoleOutputCodePage(437);
        ApplyStartupLocale();
        EXPECT_EQ(ThreadLocale(), kLocaleChinesePrc) << environment;
        EXPECT_EQ(ConsoleOutputCodePage(), 936u) << environment;
    }
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(SystemDefaultLocale(), 1041u);
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(SystemDefaultLocale(), kLocaleEnglishUs);
    if (saved)
        setenv("LC_ALL", savedValue.c_str(), 1);
    else
        unsetenv("LC_ALL");
}

} // namespace
