// The profile (INI) file service: section lines in brackets, key=value lines below them.
// Section and key names match case-insensitively. Files are treated as bytes, so the encoding,
// comments and line ends of everything we do not change are kept exactly.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {

// Longest value the service returns, in bytes.
constexpr size_t kMaxProfileValue = 2047;

// The value of KEY in SECTION of the file at PATH, or DEFAULT when the file, the section or the
// key is missing. Surrounding blanks of the value are trimmed; at most kMaxProfileValue bytes.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue);

// The same on file contents already in memory (used by the reader above and by fuzzing).
std::string ProfileValueFromText(const std::string& text, const std::string& section,
                                 const std::string& key, const std::string& defaultValue);

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

// File contents with every key of ENTRIES set in SECTION: existing keys are rewritten in place,
// missing keys are added at the end of the section, a missing section at the end of the text.
std::string ProfileTextWithValues(const std::string& text, const std::string& section,
                                  const ProfileEntries& entries);

// Writes ENTRIES into SECTION of the file at PATH, creating file, section and keys as needed.
// All keys change together: the new contents go to a temporary file in the same folder that is
// renamed over the old one. Returns false, with the original file untouched, on any failure.
bool WriteProfileStrings(const std::string& path, const std::string& section,
                         const ProfileEntries& entries);

} // namespace platform
