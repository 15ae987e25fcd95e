// UTF-8 and UTF-16 converted into each other without any table. Malformed UTF-8 becomes U+FFFD,
// one for each maximal ill-formed subsequence; a lone surrogate becomes U+FFFD in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::u16string Utf8ToUtf16(std::string_view utf8);

// Sets *lossy (when given) if TEXT held a lone surrogate.
std::string Utf16ToUtf8(std::u16string_view text, bool* lossy = nullptr);

} // namespace platform
