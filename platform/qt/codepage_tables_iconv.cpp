// Builds the code-page tables with glibc iconv. Where glibc rejects a byte that the Windows
// tables map, the table says what Windows says for the C1 range and U+FFFD elsewhere.
#include "platform/qt/codepage_table.h"

#include <iconv.h>

#include <memory>
#include <mutex>

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

class Converter {
public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Valid())
            iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return m_handle != iconv_t(-1); }

    // Converts the whole of IN, flushing any state; empty on any failure or partial input.
    std::string Convert(std::string_view in)
    {
        if (!Valid())
            return {};
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(m_handle, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
            return {};
        if (iconv(m_handle, nullptr, nullptr, &outPtr, &outLeft) == size_t(-1))
            return {};
        return std::string(buffer, size_t(outPtr - buffer));
    }

private:
    iconv_t m_handle;
};

const char* IconvName(CodePage codePage)
{
    switch (codePage) {
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 1361: return "JOHAB";
    default: return nullptr;
    }
}

// Older or trimmed C libraries may know GBK under only one name.
std::unique_ptr<Converter> OpenConverter(CodePage codePage, bool toUtf16)
{
    const char* name = IconvName(codePage);
    auto open = [toUtf16](const char* n) {
        return toUtf16 ? std::make_unique<Converter>("UTF-16LE", n)
                       : std::make_unique<Converter>(n, "UTF-16LE");
    };
    auto converter = open(name);
    if (!converter->Valid() && codePage == 936)
        converter = open("GBK");
    return converter;
}

// The one UTF-16 unit that BYTES decode to, or U+FFFD.
char16_t DecodeUnit(Converter& decoder, std::string_view bytes)
{
    const std::string out = decoder.Convert(bytes);
    if (out.size() != 2)
        return kReplacement;
    return char16_t(uint8_t(out[0]) | (uint8_t(out[1]) << 8));
}

char16_t FallbackForSingle(uint8_t byte)
{
    if (byte < 0x80)
        return char16_t(byte);
    return (byte <= 0x9F) ? char16_t(byte) : kReplacement;
}

void FillSingles(CodePageTable& table, Converter& decoder)
{
    for (int b = 0; b < 256; ++b) {
        if (table.lead[b]) {
            table.single[b] = kReplacement;
            continue;
        }
        const char byte = char(b);
        char16_t unit = DecodeUnit(decoder, std::string_view(&byte, 1));
        if (unit == kReplacement)
            unit = FallbackForSingle(uint8_t(b));
        table.single[b] = unit;
        if (b < 0x80 && unit != char16_t(b))
            table.asciiIdentity = false;
    }
}

void FillPairs(CodePageTable& table, Converter& decoder)
{
    table.pairs.assign(65536, kReplacement);
    for (int l = 0; l < 256; ++l) {
        if (!table.lead[l])
            continue;
        for (int t = 0; t < 256; ++t) {
            if (!table.trail[t])
                continue;
            const char bytes[2] = {char(l), char(t)};
            table.pairs[l << 8 | t] = DecodeUnit(decoder, std::string_view(bytes, 2));
        }
    }
}

// An encoding is kept only if decoding its bytes again splits them the way it was meant, so
// that text we write never swallows the byte after it. Two bytes in a single-byte code page are
// a base letter and a combining mark (glibc decomposes Vietnamese and Hebrew this way).
uint16_t EncodingOf(const CodePageTable& table, const std::string& bytes)
{
    if (bytes.size() == 1 && !table.lead[uint8_t(bytes[0])])
        return uint8_t(bytes[0]);
    if (bytes.size() != 2)
        return kUnmappedBytes;
    const uint8_t first = uint8_t(bytes[0]), second = uint8_t(bytes[1]);
    if (table.doubleByte && !(table.lead[first] && table.trail[second]))
        return kUnmappedBytes;
    return uint16_t(first << 8 | second);
}

void FillEncode(CodePageTable& table, Converter* encoder)
{
    table.encode.assign(65536, kUnmappedBytes);
    for (uint32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const char unit[2] = {char(c & 0xFF), char(c >> 8)};
        if (encoder)
            table.encode[c] = EncodingOf(table, encoder->Convert(std::string_view(unit, 2)));
    }
    // Bytes we decode although glibc does not must encode back to themselves.
    for (int b = 0; b < 256; ++b) {
        const char16_t unit = table.single[b];
        if (unit != kReplacement && table.encode[unit] == kUnmappedBytes)
            table.encode[unit] = uint16_t(b);
    }
}

void FillByteClasses(CodePageTable& table)
{
    for (int b = 0; b < 256; ++b) {
        table.lead[b] = IsLeadByte(table.codePage, uint8_t(b));
        table.trail[b] = IsTrailByte(table.codePage, uint8_t(b));
    }
}

std::unique_ptr<CodePageTable> BuildTable(CodePage codePage)
{
    auto table = std::make_unique<CodePageTable>();
    table->codePage = codePage;
    table->doubleByte = IsDoubleByteCodePage(codePage);
    FillByteClasses(*table);
    auto decoder = OpenConverter(codePage, true);
    FillSingles(*table, *decoder);
    if (table->doubleByte)
        FillPairs(*table, *decoder);
    auto encoder = OpenConverter(codePage, false);
    FillEncode(*table, encoder->Valid() ? encoder.get() : nullptr);
    return table;
}

constexpr CodePage kTableCodePages[] = {874,  932,  936,  949,  950,  1250, 1251, 1252,
                                        1253, 1254, 1255, 1256, 1257, 1258, 1361};
constexpr size_t kTableCount = std::size(kTableCodePages);

size_t SlotOf(CodePage codePage)
{
    for (size_t i = 0; i < kTableCount; ++i) {
        if (kTableCodePages[i] == codePage)
            return i;
    }
    return SlotOf(SystemCodePage());
}

} // namespace

const CodePageTable& CodePageTableOf(CodePage codePage)
{
    static std::once_flag once[kTableCount];
    static std::unique_ptr<CodePageTable> tables[kTableCount];
    const size_t slot = SlotOf(ResolveCodePage(codePage));
    std::call_once(once[slot], [slot] { tables[slot] = BuildTable(kTableCodePages[slot]); });
    return *tables[slot];
}

} // namespace platform
