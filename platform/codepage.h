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
// The placeholders that stored styles may carry instead of a real code page: the system's ANSI,
// OEM and Macintosh code pages and the thread's ANSI code page.
constexpr CodePage kCodePageAnsi = 0;
constexpr CodePage kCodePageOem = 1;
constexpr CodePage kCodePageMac = 2;
constexpr CodePage kCodePageThreadAnsi = 3;

// Windows charset numbers as stored in fonts and styles.
constexpr int kAnsiCharset = 0;
constexpr int kDefaultCharset = 1;
constexpr int kSymbolCharset = 2;

// This program handles 8-bit text in code page 936 whatever the machine's locale says.
CodePage SystemCodePage();

// The code page a Windows charset number stands for, as a PRC system answers: ANSI (0) and 254
// give 1252, SHIFTJIS 932, HANGEUL 949, JOHAB 1361, GB2312 936, CHINESEBIG5 950, GREEK 1253,
// TURKISH 1254, VIETNAMESE 1258, HEBREW 1255, ARABIC 1256, BALTIC 1257, RUSSIAN 1251, THAI 874,
// EASTEUROPE 1250, MAC (77) 10008, OEM (255) 936; DEFAULT_CHARSET, SYMBOL and every other
// charset give SystemCodePage().
CodePage CodePageOfCharset(int charset);

// The real code page behind the placeholders 0-3 (the system's ANSI, OEM, Macintosh and thread
// code pages); other values are returned as they are.
CodePage ResolveCodePage(CodePage codePage);

// True for the code pages this program converts: 874, 932, 936, 949, 950, 1250-1258, 1361 and
// 65001 (after ResolveCodePage). Every function below treats any other code page as
// SystemCodePage(), the fallback that a failed conversion takes, so that boundaries and
// conversions always agree.
bool IsSupportedCodePage(CodePage codePage);

// True for 932, 936, 949, 950 and 1361.
bool IsDoubleByteCodePage(CodePage codePage);

// Lead-byte test with our own per-code-page ranges (932: 81-9F, E0-FC; 936, 949, 950: 81-FE;
// 1361: 84-D3, D8-DE, E0-F9); always false for single-byte code pages and UTF-8.
bool IsLeadByte(CodePage codePage, uint8_t byte);

// Whether BYTE may follow a lead byte as the second byte of a character (932: 40-7E, 80-FC;
// 936: 40-7E, 80-FE; 949: 41-5A, 61-7A, 81-FE; 950: 40-7E, A1-FE; 1361: 31-7E, 81-FE).
bool IsTrailByte(CodePage codePage, uint8_t byte);

// Byte index of the character boundary after / before POS in TEXT (POS clamped to the text).
// In a double-byte code page a character is a lead byte followed by a trail byte, or any other
// single byte; a lead byte that is not followed by a trail byte (at the very end of the text,
// or before a line end) is a character of its own. The same rule decides what ToUtf16 turns
// into one character. NextCharBoundary takes POS to be the start of a character;
// PrevCharBoundary finds the start of the character holding the byte before POS, looking back
// only as far as the text is ambiguous. In UTF-8 the boundaries skip continuation bytes.
size_t NextCharBoundary(CodePage codePage, std::string_view text, size_t pos);
size_t PrevCharBoundary(CodePage codePage, std::string_view text, size_t pos);

// 8-bit text to UTF-16; invalid or incomplete sequences become U+FFFD, one per bad character.
// A byte from 80 to 9F that a single-byte code page leaves undefined becomes the C1 control
// character of the same number, as the Windows tables have it.
std::u16string ToUtf16(std::string_view bytes, CodePage codePage);

// UTF-16 to 8-bit text; a character the code page cannot hold becomes '?'. *LOSSY, when given,
// tells whether that happened.
// A surrogate pair is one character (one '?'); a lone surrogate is unmappable.
std::string FromUtf16(std::u16string_view text, CodePage codePage, bool* lossy = nullptr);

// UTF-16 to 8-bit text the way text leaves the engine for the clipboard and exports: a base
// character followed by nonspacing marks becomes one precomposed character where the code page
// holds it; a mark that neither composes nor exists in the code page is dropped rather than
// turned into '?'. *LOSSY tells whether a '?' was written.
std::string FromUtf16Composed(std::u16string_view text, CodePage codePage, bool* lossy = nullptr);

// Shorthands for the UTF-8 edges of the program (file names, JSON, Qt strings).
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view utf8);
std::string CodePageToUtf8(std::string_view bytes, CodePage codePage);
std::string Utf8ToCodePage(std::string_view utf8, CodePage codePage, bool* lossy = nullptr);

} // namespace platform
