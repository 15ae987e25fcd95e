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

// Lines end at LF or CR LF. A section line is '[' name ']'; a key line is name '=' value; lines
// starting with ';' are comments. Names and values are trimmed of blanks, and a value enclosed
// in a pair of matching single or double quotes loses them. When a section or key occurs more
// than once, the first one counts, for reading and for writing alike. A UTF-8 byte-order mark
// at the start of the file is skipped.

// The value of KEY in SECTION of the file at PATH, or DEFAULT when the file, the section or the
// key is missing. Surrounding blanks of the value are trimmed; at most kMaxProfileValue bytes.
// The default loses its trailing blanks and is cut the same way.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue);

// The same on file contents already in memory (used by the reader above and by fuzzing).
std::string ProfileValueFromText(const std::string& text, const std::string& section,
                                 const std::string& key, const std::string& defaultValue);

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

// Whether SECTION, KEY and VALUE can be written so that they read back as themselves: names
// must be non-empty, free of line ends and of surrounding blanks; a section name may not hold
// ']' nor end in a lead byte of code page 936 (which would swallow the closing bracket); a key
// may not hold '=' or start with '[' or ';'; a value may not hold a line end.
bool IsWritableProfileEntry(const std::string& section, const std::string& key,
                            const std::string& value);

// What reading gives back for a written VALUE: trimmed, unquoted and cut to kMaxProfileValue.
std::string ProfileValueAsRead(const std::string& value);

// File contents with every key of ENTRIES set in SECTION: existing keys are rewritten in place
// (only the value's bytes change), missing keys are added after the last non-blank line of the
// section, a missing section at the end of the text. New lines end like the file's first line
// (CR LF in a file without line ends). Entries that IsWritableProfileEntry rejects are skipped.
std::string ProfileTextWithValues(const std::string& text, const std::string& section,
                                  const ProfileEntries& entries);

// Writes ENTRIES into SECTION of the file at PATH, creating file, section and keys as needed.
// All keys change together: the new contents go to a temporary file in the same folder that is
// renamed over the old one, keeping the old file's permissions (a symbolic link is written
// through to its target). Returns false, with the original file untouched, on any failure,
// also when an entry is not writable or the file is read-only (no write permission bit, or
// none for us), which the rename would otherwise get round. A relative PATH is taken from the current folder.
bool WriteProfileStrings(const std::string& path, const std::string& section,
                         const ProfileEntries& entries);

} // namespace platform
