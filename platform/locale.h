// The process's locale state as the program sees it: the thread locale (a Windows locale
// identifier) and the console output code page. They are program state only; the C library's
// own locale is never changed, so that no conversion depends on what the machine has installed.
#pragma once

#include "platform/codepage.h"

#include <cstdint>
#include <string_view>

namespace platform {

using LocaleId = uint32_t;

constexpr LocaleId kLocaleChinesePrc = 2052;
constexpr LocaleId kLocaleEnglishUs = 1033;

// The locale the machine's environment names (the first set of LC_ALL, LC_CTYPE and LANG),
// as a Windows locale identifier; English (United States) when it names none we know.
LocaleId SystemDefaultLocale();

// The Windows identifier for a POSIX locale name such as "zh_CN.UTF-8"; 0 when unknown.
LocaleId LocaleIdOfName(std::string_view name);

// Starts as SystemDefaultLocale().
LocaleId ThreadLocale();
void SetThreadLocale(LocaleId locale);

// Starts as SystemCodePage().
CodePage ConsoleOutputCodePage();
void SetConsoleOutputCodePage(CodePage codePage);

// What the program does first: the thread locale becomes the system default, the console
// output code page 936, and the thread locale 2052 (Chinese, PRC) if it is not that already.
void ApplyStartupLocale();

} // namespace platform
