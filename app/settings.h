// The history settings in DataDir + "lishi.ini", section [load]: the saving interval in minutes
// (meige_time) and the most snapshots kept per notebook (zuiduo_file). The program only shows
// and writes them; the note-taking editor reads them when it opens.
#pragma once

#include "app/app_error.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wenlocke {

constexpr char kSettingsFileName[] = "lishi.ini";
constexpr char kSettingsSection[] = "load";
constexpr char kIntervalKey[] = "meige_time";
constexpr char kCountKey[] = "zuiduo_file";
constexpr char kDefaultInterval[] = "3";
constexpr char kDefaultCount[] = "50";

// Messages of the confirm button (UTF-8).
constexpr char kBadNumberMessage[] = "数字格式不对，请重新设置。";
constexpr char kTooSmallMessage[] = "值太小，请重新设置。";
constexpr char kSavedMessage[] = "设置成功，下次打开记事本将生效。";

// The two values as text, exactly as read (bytes of the file, code page 936 for non-ASCII).
struct HistorySettings {
    std::string Interval = kDefaultInterval; // shown in Edit1
    std::string Count = kDefaultCount;       // shown in Edit2
};

// DATADIR + "lishi.ini"; the bare name when DATADIR is empty.
std::string SettingsPath(const std::string& dataDir);

// Reads both values with their defaults. Without a data folder nothing is read and the
// defaults are returned.
HistorySettings ReadHistorySettings(const std::string& dataDir);

// Text to a 32-bit integer: leading blanks, an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X"; nothing may follow; the value must lie
// in the 32-bit signed range. Empty when the text is not such a number.
std::optional<int32_t> ParseInteger32(std::string_view text);

enum class ConfirmResult { BadNumber, TooSmall, Saved };

// The confirm button: converts both field texts (only ASCII counts, so UTF-8 and code page 936
// texts give the same result), checks that both are at least 1, then writes both keys in one
// step. Throws AppError "Unable to write to <path>" when the file cannot be written, and also
// without a data folder (the editor never reads a file outside it).
ConfirmResult ConfirmHistorySettings(const std::string& dataDir, std::string_view intervalText,
                                     std::string_view countText);

// The message (UTF-8) to show for a result.
const char* ConfirmMessage(ConfirmResult result);

} // namespace wenlocke
