// Conversion of item text between 8-bit code-page bytes and UTF-16LE bytes, used where an item's
// text must change form: reading, plain-text insertion, single-byte queries.
#pragma once

#include <string_view>

#include "platform/codepage.h"
#include "vellum/rv_types.h"

namespace vellum {

namespace messages {
inline constexpr const char* kUnicodeOperation = "Can't perform Unicode operation";
}

// 8-bit text in CodePage to UTF-16LE bytes. Code pages this program cannot convert fall back to
// the system code page; bytes that do not decode become U+FFFD. Empty stays empty.
TRVRawByteString AnsiToUtf16(platform::CodePage codePage, std::string_view bytes);

// UTF-16LE bytes to 8-bit text in CodePage, composing marks where the code page has the
// precomposed character and writing "?" for characters it lacks. An odd byte count raises
// "Can't perform Unicode operation".
TRVRawByteString Utf16ToAnsi(platform::CodePage codePage, std::string_view utf16Bytes);

// The UTF-16LE byte form of a string of code units, and back (an odd last byte is dropped).
TRVRawByteString Utf16ToBytes(std::u16string_view text);
std::u16string BytesToUtf16(std::string_view bytes);

} // namespace vellum
