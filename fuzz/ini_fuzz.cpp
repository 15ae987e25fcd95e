// Profile text from arbitrary bytes: reading never fails, and a written value reads back while
// the rest of the file keeps its bytes.
#include "platform/profile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsAsciiName(const std::string& s)
{
    for (unsigned char c : s) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    return s;
}

// Only one line's bytes may go: everything else of the old text is still there, in order.
void CheckSplice(const std::string& before, const std::string& after)
{
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    Check(before.substr(prefix, before.size() - prefix - suffix).find('\n') == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const size_t sectionLength = data[0] % 12, keyLength = data[1] % 12, valueLength = data[2] % 40;
    std::string rest(reinterpret_cast<const char*>(data + 3), size - 3);
    if (rest.size() < sectionLength + keyLength + valueLength)
        return 0;
    const std::string section = rest.substr(0, sectionLength);
    const std::string key = rest.substr(sectionLength, keyLength);
    const std::string value = rest.substr(sectionLength + keyLength, valueLength);
    const std::string text = rest.substr(sectionLength + keyLength + valueLength);

    Check(platform::ProfileValueFromText(text, section, key, "d").size() <= platform::kMaxProfileValue);
    if (!platform::IsWritableProfileEntry(section, key, value))
        return 0;
    const std::string probe = "probe";
    const std::string probeBefore = platform::ProfileValueFromText(text, section, probe, "\x01");
    const std::string written = platform::ProfileTextWithValues(text, section, {{key, value}});
    Check(platform::ProfileValueFromText(written, section, key, "\x01") ==
          platform::ProfileValueAsRead(value));
    CheckSplice(text, written);
    if (IsAsciiName(key) && Lower(key) != probe)
        Check(platform::ProfileValueFromText(written, section, probe, "\x01") == probeBefore);
    return 0;
}
