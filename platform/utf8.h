// UTF-8 and UTF-16 converted into each other without any table. Malformed UTF-8 becomes U+FFFD,
// one for each maximal ill-formed subsequence; a lone surrogate becomes U+FFFD in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::u16string Utf8ToUtf16(std::string_view utf8);

// How many bytes from POS the decoder takes as one character (POS < size): a whole sequence,
// or the ill-formed part that becomes one U+FFFD.
size_t Utf8CharLength(std::string_view utf8, size_t pos);

// Sets *lossy (when given) if TEXT held a lone surrogate.
std::string Utf16ToUtf8(std::u16string_view text, bool* lossy = nullptr);

} // namespace platform
