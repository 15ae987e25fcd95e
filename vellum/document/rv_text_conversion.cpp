#include "vellum/document/rv_text_conversion.h"

#include "vellum/vellum_error.h"

namespace vellum {

TRVRawByteString Utf16ToBytes(std::u16string_view Text)
{
    TRVRawByteString bytes;
    bytes.reserve(Text.size() * 2);
    for (char16_t unit : Text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::u16string BytesToUtf16(std::string_view Bytes)
{
    std::u16string text;
    text.reserve(Bytes.size() / 2);
    for (size_t i = 0; i + 1 < Bytes.size(); i += 2) {
        auto low = static_cast<uint8_t>(Bytes[i]);
        auto high = static_cast<uint8_t>(Bytes[i + 1]);
        text += static_cast<char16_t>(low | (high << 8));
    }
    return text;
}

TRVRawByteString AnsiToUtf16(platform::CodePage CodePage, std::string_view Bytes)
{
    if (Bytes.empty())
        return TRVRawByteString();
    return Utf16ToBytes(platform::ToUtf16(Bytes, CodePage));
}

TRVRawByteString Utf16ToAnsi(platform::CodePage CodePage, std::string_view Utf16Bytes)
{
    if (Utf16Bytes.size() % 2 != 0)
        ThrowVellumError(messages::kUnicodeOperation);
    return platform::FromUtf16Composed(BytesToUtf16(Utf16Bytes), CodePage);
}

} // namespace vellum
