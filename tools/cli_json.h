// Small helpers for commands that print JSON.
#pragma once

#include <string>
#include <string_view>

namespace wenlocke::cli {

// UTF8 as a JSON string literal, quotes included. Bytes that are not valid UTF-8 become U+FFFD,
// so the output is always valid JSON.
std::string JsonString(std::string_view utf8);

} // namespace wenlocke::cli
