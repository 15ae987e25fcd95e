#include "platform/locale.h"

#include <atomic>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

struct KnownLocale {
    std::string_view name; // language_TERRITORY
    LocaleId id;
};

constexpr KnownLocale kKnownLocales[] = {
    {"zh_CN", 2052}, {"zh_SG", 4100}, {"zh_TW", 1028}, {"zh_HK", 3076}, {"zh_MO", 5124},
    {"ja_JP", 1041}, {"ko_KR", 1042}, {"en_US", 1033}, {"en_GB", 2057}, {"en_AU", 3081},
    {"en_CA", 4105}, {"de_DE", 1031}, {"fr_FR", 1036}, {"es_ES", 3082}, {"it_IT", 1040},
    {"ru_RU", 1049}, {"pl_PL", 1045}, {"cs_CZ", 1029}, {"el_GR", 1032}, {"tr_TR", 1055},
    {"he_IL", 1037}, {"ar_SA", 1025}, {"th_TH", 1054}, {"vi_VN", 1066}, {"uk_UA", 1058},
    {"pt_BR", 1046}, {"pt_PT", 2070}, {"nl_NL", 1043},
};

// Zero stands for "not set yet": the first reader takes the system default.
std::atomic<LocaleId> g_threadLocale{0};
std::atomic<CodePage> g_consoleCodePage{0};

const char* FirstSet(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "";
}

} // namespace

LocaleId LocaleIdOfName(std::string_view name)
{
    const size_t end = name.find_first_of(".@");
    name = name.substr(0, end);
    for (const KnownLocale& known : kKnownLocales) {
        if (known.name == name)
            return known.id;
    }
    return 0;
}

LocaleId SystemDefaultLocale()
{
    const LocaleId id = LocaleIdOfName(FirstSet({"LC_ALL", "LC_CTYPE", "LANG"}));
    return id != 0 ? id : kLocaleEnglishUs;
}

LocaleId ThreadLocale()
{
    LocaleId id = g_threadLocale.load();
    if (id == 0) {
        id = SystemDefaultLocale();
        g_threadLocale.store(id);
    }
    return id;
}

void SetThreadLocale(LocaleId locale)
{
    g_threadLocale.store(locale);
}

CodePage ConsoleOutputCodePage()
{
    const CodePage codePage = g_consoleCodePage.load();
    return codePage != 0 ? codePage : SystemCodePage();
}

void SetConsoleOutputCodePage(CodePage codePage)
{
    g_consoleCodePage.store(codePage);
}

void ApplyStartupLocale()
{
    SetThreadLocale(SystemDefaultLocale());
    SetConsoleOutputCodePage(kCodePageGbk);
    if (ThreadLocale() != kLocaleChinesePrc)
        SetThreadLocale(kLocaleChinesePrc);
}

} // namespace platform
