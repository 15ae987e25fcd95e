// Reading and confirming the two history settings.
#include "app/settings.h"

#include "platform/profile.h"

namespace wenlocke {
namespace {

int DigitValue(char c, int base)
{
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Consumes a hexadecimal prefix ("$", "x", "X", "0x", "0X") and returns the base it selects.
int TakeBase(std::string_view& text)
{
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        text.remove_prefix(1);
        return 16;
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        return 16;
    }
    return 10;
}

// The magnitude of a run of digits that makes up all of TEXT, up to LIMIT.
std::optional<int64_t> TakeMagnitude(std::string_view text, int base, int64_t limit)
{
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::string SettingsPath(const std::string& dataDir)
{
    return dataDir + kSettingsFileName;
}

HistorySettings ReadHistorySettings(const std::string& dataDir)
{
    HistorySettings settings;
    if (dataDir.empty())
        return settings;
    std::string path = SettingsPath(dataDir);
    settings.Interval = platform::ReadProfileString(path, kSettingsSection, kIntervalKey, kDefaultInterval);
    settings.Count = platform::ReadProfileString(path, kSettingsSection, kCountKey, kDefaultCount);
    return settings;
}

std::optional<int32_t> ParseInteger32(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = TakeBase(text);
    int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::optional<int64_t> magnitude = TakeMagnitude(text, base, limit);
    if (!magnitude)
        return std::nullopt;
    return static_cast<int32_t>(negative ? -*magnitude : *magnitude);
}

ConfirmResult ConfirmHistorySettings(const std::string& dataDir, std::string_view intervalText,
                                     std::string_view countText)
{
    std::optional<int32_t> interval = ParseInteger32(intervalText);
    std::optional<int32_t> count = ParseInteger32(countText);
    if (!interval || !count)
        return ConfirmResult::BadNumber;
    if (*interval < 1 || *count < 1)
        return ConfirmResult::TooSmall;
    // Without a data folder there is no settings file the editor would read; writing one
    // somewhere else and reporting success would mislead the user.
    if (dataDir.empty())
        throw WriteError(kSettingsFileName);
    std::string path = SettingsPath(dataDir);
    platform::ProfileEntries entries{{kIntervalKey, std::to_string(*interval)},
                                     {kCountKey, std::to_string(*count)}};
    if (!platform::WriteProfileStrings(path, kSettingsSection, entries))
        throw WriteError(path);
    return ConfirmResult::Saved;
}

const char* ConfirmMessage(ConfirmResult result)
{
    switch (result) {
    case ConfirmResult::BadNumber:
        return kBadNumberMessage;
    case ConfirmResult::TooSmall:
        return kTooSmallMessage;
    case ConfirmResult::Saved:
        return kSavedMessage;
    }
    return kBadNumberMessage;
}

} // namespace wenlocke
