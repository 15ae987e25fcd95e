// The process's locale settings. The program runs with the Chinese (PRC) locale, 2052, and
// handles 8-bit text in code page 936 whatever the machine is set to.
#pragma once

#include <cstdint>

namespace wenlocke {

inline constexpr uint32_t kLocaleChinesePrc = 2052;
inline constexpr uint32_t kConsoleCodePage = 936;

uint32_t ThreadLocale();
void SetThreadLocale(uint32_t localeId);
uint32_t ConsoleOutputCodePage();
void SetConsoleOutputCodePage(uint32_t codePage);

// Step 1 of program start: the system default locale, then code page 936 for console output,
// then 2052 if the locale is not that already.
void SetUpProcessLocale();

// Sets the locale to 2052 unless it is already.
void EnsureChineseLocale();

} // namespace wenlocke
