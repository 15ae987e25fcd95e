// Conversion of item text between single-byte code-page text and UTF-16LE bytes, for items whose
// stored form does not match their text style.
#pragma once

#include "platform/codepage.h"

#include <string>
#include <string_view>

namespace vellum {

// Single-byte text in CODEPAGE (0: the system's) to UTF-16LE bytes.
std::string RvfAnsiToUtf16(platform::CodePage codePage, std::string_view bytes);
// UTF-16LE bytes (a trailing odd byte is ignored) to single-byte text; characters the code page
// lacks become "?".
std::string RvfUtf16ToAnsi(platform::CodePage codePage, std::string_view bytes);

} // namespace vellum
