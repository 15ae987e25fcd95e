// Conversion between 8-bit code-page text and UTF-16, and character boundaries in double-byte
// code pages. Conversions are explicit (never through the C library's locale) and never fail:
// bytes that do not decode become U+FFFD, characters a code page lacks become '?'.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

using CodePage = uint32_t;

constexpr CodePage kCodePageGbk = 936;
constexpr CodePage kCodePageUtf8 = 65001;

// Windows charset numbers as stored in fonts and styles.
constexpr int kAnsiCharset = 0;
constexpr int kDefaultCharset = 1;
constexpr int kSymbolCharset = 2;

// This program handles 8-bit text in code page 936 whatever the machine's locale says.
CodePage SystemCodePage();

// The code page a Windows charset number stands for; DEFAULT_CHARSET gives SystemCodePage(),
// unknown charsets give SystemCodePage() as well.
CodePage CodePageOfCharset(int charset);

// True for the code pages this program converts: 874, 932, 936, 949, 950, 1250-1258, 65001.
bool IsSupportedCodePage(CodePage codePage);

// True for 932, 936, 949 and 950.
bool IsDoubleByteCodePage(CodePage codePage);

// Lead-byte test with our own per-code-page ranges; always false for single-byte code pages.
bool IsLeadByte(CodePage codePage, uint8_t byte);

// Byte index of the character boundary after / before POS in TEXT (POS clamped to the text).
// A lead byte at the very end counts as a character of its own.
size_t NextCharBoundary(CodePage codePage, std::string_view text, size_t pos);
size_t PrevCharBoundary(CodePage codePage, std::string_view text, size_t pos);

// 8-bit text to UTF-16; invalid or incomplete sequences become U+FFFD, one per bad character.
std::u16string ToUtf16(std::string_view bytes, CodePage codePage);

// UTF-16 to 8-bit text; a character the code page cannot hold becomes '?' and sets *lossy.
std::string FromUtf16(std::u16string_view text, CodePage codePage, bool* lossy = nullptr);

// Shorthands for the UTF-8 edges of the program (file names, JSON, Qt strings).
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view utf8);
std::string CodePageToUtf8(std::string_view bytes, CodePage codePage);
std::string Utf8ToCodePage(std::string_view utf8, CodePage codePage, bool* lossy = nullptr);

} // namespace platform
