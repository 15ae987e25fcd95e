// Code-page conversions and character boundaries on arbitrary bytes, for every code page we
// convert: no crash, boundaries agree with decoding both ways, and decoded text re-encodes to
// bytes that decode to the same text.
#include "platform/codepage.h"
#include "platform/utf8.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const platform::CodePage kCodePages[] = {874,  932,  936,  949,  950,  1250, 1251, 1252, 1253,
                                         1254, 1255, 1256, 1257, 1258, 1361, 65001, 0, 437};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<size_t> ForwardBoundaries(platform::CodePage codePage, const std::string& bytes)
{
    std::vector<size_t> starts;
    for (size_t pos = 0; pos < bytes.size();) {
        starts.push_back(pos);
        const size_t next = platform::NextCharBoundary(codePage, bytes, pos);
        Check(next > pos && next <= bytes.size());
        pos = next;
    }
    return starts;
}

void CheckBoundaries(platform::CodePage codePage, const std::string& bytes)
{
    const std::vector<size_t> starts = ForwardBoundaries(codePage, bytes);
    size_t pos = bytes.size();
    for (size_t i = starts.size(); i-- > 0;) {
        pos = platform::PrevCharBoundary(codePage, bytes, pos);
        Check(pos == starts[i]);
    }
    if (codePage != platform::kCodePageUtf8)
        Check(platform::ToUtf16(bytes, codePage).size() == starts.size());
}

void CheckReencoding(platform::CodePage codePage, const std::string& bytes)
{
    std::u16string text = platform::ToUtf16(bytes, codePage);
    const std::string encoded = platform::FromUtf16(text, codePage);
    if (codePage == platform::kCodePageUtf8) {
        Check(platform::ToUtf16(encoded, codePage) == text);
        return;
    }
    for (char16_t& c : text)
        c = (c == 0xFFFD) ? u'?' : c;
    Check(platform::ToUtf16(encoded, codePage) == text);
}

void CheckUtf16Input(platform::CodePage codePage, const std::string& bytes)
{
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = char16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
    bool lossy = false;
    const std::string encoded = platform::FromUtf16(text, codePage, &lossy);
    platform::ToUtf16(encoded, codePage);
    const std::string composed = platform::FromUtf16Composed(text, codePage, &lossy);
    Check(composed.size() <= encoded.size() || codePage == platform::kCodePageUtf8);
    const std::string utf8 = platform::Utf16ToUtf8(text);
    Check(platform::Utf16ToUtf8(platform::Utf8ToUtf16(utf8)) == utf8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const platform::CodePage codePage = kCodePages[data[0] % std::size(kCodePages)];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckBoundaries(codePage, bytes);
    CheckReencoding(codePage, bytes);
    CheckUtf16Input(codePage, bytes);
    return 0;
}
