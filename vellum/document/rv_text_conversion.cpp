#include "vellum/document/rv_text_conversion.h"

#include "vellum/vellum_error.h"

namespace vellum {

TRVRawByteString Utf16ToBytes(std::u16string_view text)
{
    TRVRawByteString bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::u16string BytesToUtf16(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto low = static_cast<uint8_t>(bytes[i]);
        auto high = static_cast<uint8_t>(bytes[i + 1]);
        text += static_cast<char16_t>(low | (high << 8));
    }
    return text;
}

TRVRawByteString AnsiToUtf16(platform::CodePage codePage, std::string_view bytes)
{
    if (bytes.empty())
        return TRVRawByteString();
    return Utf16ToBytes(platform::ToUtf16(bytes, codePage));
}

TRVRawByteString Utf16ToAnsi(platform::CodePage codePage, std::string_view utf16Bytes)
{
    if (utf16Bytes.size() % 2 != 0)
        ThrowVellumError(messages::kUnicodeOperation);
    return platform::FromUtf16Composed(BytesToUtf16(utf16Bytes), codePage);
}

} // namespace vellum
