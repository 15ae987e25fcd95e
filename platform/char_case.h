// Upper-casing that keeps the text's length, so that display offsets stay stored offsets: a
// character whose upper case is longer (ß -> SS) or is not one character of the same size
// stays as it is.
#pragma once

#include "platform/codepage.h"

#include <string>
#include <string_view>

namespace platform {

// UTF-16 text, character for character (surrogate pairs as one character).
std::u16string UpperCaseUtf16(std::u16string_view text);

// 8-bit text in CODEPAGE. Only single-byte characters change: in double-byte code pages both
// bytes of a double-byte character stay as they are (a trail byte in a-z is never touched).
std::string UpperCaseBytes(std::string_view bytes, CodePage codePage);

} // namespace platform
