#include "app/process_locale.h"

#include <QLocale>

namespace wenlocke {
namespace {

uint32_t g_threadLocale = 0;
uint32_t g_consoleCodePage = 0;

// The machine's locale as a Windows locale id; only the one we switch to needs a number.
uint32_t SystemDefaultLocale()
{
    const QLocale system = QLocale::system();
    const bool prc = system.language() == QLocale::Chinese && system.territory() == QLocale::China;
    return prc ? kLocaleChinesePrc : 1033;
}

} // namespace

uint32_t ThreadLocale()
{
    return g_threadLocale;
}

void SetThreadLocale(uint32_t localeId)
{
    g_threadLocale = localeId;
    if (localeId == kLocaleChinesePrc)
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

uint32_t ConsoleOutputCodePage()
{
    return g_consoleCodePage;
}

void SetConsoleOutputCodePage(uint32_t codePage)
{
    g_consoleCodePage = codePage;
}

void SetUpProcessLocale()
{
    SetThreadLocale(SystemDefaultLocale());
    SetConsoleOutputCodePage(kConsoleCodePage);
    EnsureChineseLocale();
}

void EnsureChineseLocale()
{
    if (ThreadLocale() != kLocaleChinesePrc)
        SetThreadLocale(kLocaleChinesePrc);
}

} // namespace wenlocke
