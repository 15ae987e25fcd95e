#include "platform/codepage.h"

#include "platform/utf8.h"

namespace platform {
namespace {

bool InRange(uint8_t byte, uint8_t low, uint8_t high)
{
    return byte >= low && byte <= high;
}

bool IsUtf8Continuation(uint8_t byte)
{
    return (byte & 0xC0) == 0x80;
}

size_t NextUtf8Boundary(std::string_view text, size_t pos)
{
    return pos + Utf8CharLength(text, pos);
}

// A byte that is not a continuation byte always starts a character, and a sequence holds at
// most three continuation bytes; so the start of the character before POS lies at most four
// bytes back, and is found by decoding forward from the nearest sure start.
size_t PrevUtf8Boundary(std::string_view text, size_t pos)
{
    size_t start = pos - 1;
    while (start > 0 && pos - start < 4 && IsUtf8Continuation(uint8_t(text[start])))
        --start;
    if (IsUtf8Continuation(uint8_t(text[start])) && start > 0)
        return pos - 1;
    for (;;) {
        const size_t next = NextUtf8Boundary(text, start);
        if (next >= pos)
            return start;
        start = next;
    }
}

// Whether the bytes at I-1 and I could form one double-byte character.
bool CanPair(CodePage codePage, std::string_view text, size_t i)
{
    return IsLeadByte(codePage, uint8_t(text[i - 1])) && IsTrailByte(codePage, uint8_t(text[i]));
}

// Start of the character holding byte Q. Going back, every position that could be the second
// byte of a pair keeps the question open; the first one that cannot is a certain character
// start, and from there characters pair up greedily, so the parity of the distance decides.
size_t DoubleByteCharStart(CodePage codePage, std::string_view text, size_t q)
{
    size_t start = q;
    while (start > 0 && CanPair(codePage, text, start))
        --start;
    return ((q - start) % 2 == 1) ? q - 1 : q;
}

// What a code page stands for in classification and boundaries: the same as in conversion, so
// that an unsupported code page splits text the way it is converted.
CodePage EffectiveCodePage(CodePage codePage)
{
    return IsSupportedCodePage(codePage) ? ResolveCodePage(codePage) : SystemCodePage();
}

} // namespace

CodePage SystemCodePage()
{
    return kCodePageGbk;
}

CodePage CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0:
    case 254:
        return 1252;
    case 77:
        return 10008;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return kCodePageGbk; // the OEM code page of a PRC system
    default:
        return SystemCodePage();
    }
}

CodePage ResolveCodePage(CodePage codePage)
{
    if (codePage == kCodePageMac)
        return 10008;
    if (codePage <= kCodePageThreadAnsi)
        return SystemCodePage();
    return codePage;
}

bool IsSupportedCodePage(CodePage codePage)
{
    codePage = ResolveCodePage(codePage);
    if (codePage >= 1250 && codePage <= 1258)
        return true;
    switch (codePage) {
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case kCodePageUtf8:
        return true;
    default:
        return false;
    }
}

bool IsDoubleByteCodePage(CodePage codePage)
{
    switch (EffectiveCodePage(codePage)) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
        return true;
    default:
        return false;
    }
}

bool IsLeadByte(CodePage codePage, uint8_t byte)
{
    switch (EffectiveCodePage(codePage)) {
    case 932:
        return InRange(byte, 0x81, 0x9F) || InRange(byte, 0xE0, 0xFC);
    case 936:
    case 949:
    case 950:
        return InRange(byte, 0x81, 0xFE);
    case 1361:
        return InRange(byte, 0x84, 0xD3) || InRange(byte, 0xD8, 0xDE) || InRange(byte, 0xE0, 0xF9);
    default:
        return false;
    }
}

bool IsTrailByte(CodePage codePage, uint8_t byte)
{
    switch (EffectiveCodePage(codePage)) {
    case 932:
        return InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFC);
    case 936:
        return InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFE);
    case 949:
        return InRange(byte, 0x41, 0x5A) || InRange(byte, 0x61, 0x7A) || InRange(byte, 0x81, 0xFE);
    case 950:
        return InRange(byte, 0x40, 0x7E) || InRange(byte, 0xA1, 0xFE);
    case 1361:
        return InRange(byte, 0x31, 0x7E) || InRange(byte, 0x81, 0xFE);
    default:
        return false;
    }
}

size_t NextCharBoundary(CodePage codePage, std::string_view text, size_t pos)
{
    if (pos >= text.size())
        return text.size();
    codePage = EffectiveCodePage(codePage);
    if (codePage == kCodePageUtf8)
        return NextUtf8Boundary(text, pos);
    if (pos + 1 < text.size() && CanPair(codePage, text, pos + 1))
        return pos + 2;
    return pos + 1;
}

size_t PrevCharBoundary(CodePage codePage, std::string_view text, size_t pos)
{
    if (pos > text.size())
        pos = text.size();
    if (pos == 0)
        return 0;
    codePage = EffectiveCodePage(codePage);
    if (codePage == kCodePageUtf8)
        return PrevUtf8Boundary(text, pos);
    if (!IsDoubleByteCodePage(codePage))
        return pos - 1;
    return DoubleByteCharStart(codePage, text, pos - 1);
}

} // namespace platform
