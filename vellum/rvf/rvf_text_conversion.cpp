#include "vellum/rvf/rvf_text_conversion.h"

namespace vellum {
namespace {

platform::CodePage Effective(platform::CodePage codePage)
{
    return codePage == 0 || !platform::IsSupportedCodePage(codePage) ? platform::SystemCodePage() : codePage;
}

} // namespace

std::string RvfAnsiToUtf16(platform::CodePage codePage, std::string_view bytes)
{
    std::u16string wide = platform::ToUtf16(bytes, Effective(codePage));
    std::string out(wide.size() * 2, '\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        out[2 * i] = static_cast<char>(wide[i] & 0xFF);
        out[2 * i + 1] = static_cast<char>(wide[i] >> 8);
    }
    return out;
}

std::string RvfUtf16ToAnsi(platform::CodePage codePage, std::string_view bytes)
{
    std::u16string wide(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                        static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    return platform::FromUtf16(wide, Effective(codePage));
}

} // namespace vellum
