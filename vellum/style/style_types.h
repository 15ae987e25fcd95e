// Value types shared by the style records, the style sheet and everything that reads them:
// colours, character sets, cursor numbers, reading direction, sequence numbering.
#pragma once

#include <cstdint>

#include "platform/codepage.h"
#include "platform/color.h"
#include "vellum/style/rv_set.h"

namespace vellum {

// Colours are platform::Color: 0x00BBGGRR is an RGB colour; 0xFF0000nn is system colour nn;
// clNone means "not set" or "transparent" wherever a colour is optional. Resolution to RGB
// lives in platform/color.h (platform::ResolveColor).
using platform::IsSystemColor;
using platform::SystemColor;

constexpr platform::Color clNone = platform::kColorNone;
constexpr platform::Color clDefault = 0x20000000;
constexpr platform::Color clBlack = 0x000000;
constexpr platform::Color clMaroon = 0x000080;
constexpr platform::Color clGreen = 0x008000;
constexpr platform::Color clOlive = 0x008080;
constexpr platform::Color clNavy = 0x800000;
constexpr platform::Color clPurple = 0x800080;
constexpr platform::Color clTeal = 0x808000;
constexpr platform::Color clGray = 0x808080;
constexpr platform::Color clSilver = 0xC0C0C0;
constexpr platform::Color clRed = 0x0000FF;
constexpr platform::Color clLime = 0x00FF00;
constexpr platform::Color clYellow = 0x00FFFF;
constexpr platform::Color clBlue = 0xFF0000;
constexpr platform::Color clFuchsia = 0xFF00FF;
constexpr platform::Color clAqua = 0xFFFF00;
constexpr platform::Color clWhite = 0xFFFFFF;

constexpr platform::Color clScrollBar = SystemColor(0);
constexpr platform::Color clWindow = SystemColor(5);
constexpr platform::Color clWindowText = SystemColor(8);
constexpr platform::Color clHighlight = SystemColor(13);
constexpr platform::Color clHighlightText = SystemColor(14);
constexpr platform::Color clBtnFace = SystemColor(15);
constexpr platform::Color clBtnShadow = SystemColor(16);
constexpr platform::Color clBtnHighlight = SystemColor(20);

// Windows character set of a font (DEFAULT_CHARSET: the code page follows the style sheet).
using FontCharset = uint8_t;
constexpr FontCharset ANSI_CHARSET = 0;
constexpr FontCharset DEFAULT_CHARSET = 1;
constexpr FontCharset SYMBOL_CHARSET = 2;
constexpr FontCharset GB2312_CHARSET = 134;

using TRVCodePage = platform::CodePage;

// Pointer shape numbers of the global cursor table.
using CursorId = int16_t;
constexpr CursorId crDefault = 0;
constexpr CursorId crArrow = -2;
constexpr CursorId crIBeam = -4;
constexpr CursorId crHandPoint = -21;
constexpr CursorId crJump = 101;
constexpr CursorId crRVFlipArrow = 106;

enum TRVBiDiMode : uint8_t { rvbdUnspecified, rvbdLeftToRight, rvbdRightToLeft };

enum TRVSeqType : uint8_t { rvseqDecimal, rvseqLowerAlpha, rvseqUpperAlpha, rvseqLowerRoman, rvseqUpperRoman };

// How the painter turns colours for its output (screen, printer colours, grey, black and white).
enum ColorMode : uint8_t {
    rvcmColor,
    rvcmPrinterColor,
    rvcmGrayScale,
    rvcmBlackAndWhite,
    rvcmBlackOnWhite
};

// What a text run is while it is drawn (selected, hovered, ...), bit n for ordinal n.
enum TRVTextDrawState : uint8_t {
    rvtsSelected,
    rvtsHover,
    rvtsItemStart,
    rvtsItemEnd,
    rvtsDrawItemStart,
    rvtsDrawItemEnd,
    rvtsControlFocused,
    rvtsSpecialCharacters
};
using TRVTextDrawStates = RvSet<TRVTextDrawState>;

// What a non-text item is while it paints itself, bit n for ordinal n (16 bits are used).
enum ItemDrawStateBit : uint8_t {
    idsSelected = 0,
    idsCurrent = 1,        // the document's current item, outlined in CurrentItemColor
    idsHover = 2,          // the link under the mouse
    idsControlFocused = 6,
    idsStylePixelsPerInch = 7,
    idsRightToLeft = 8,    // the paragraph reads right to left
    idsSpecialCharacters = 9,
    idsReferenceMetrics = 10,
    idsPrinting = 11,
};
using ItemDrawState = RvSet<ItemDrawStateBit>;

enum TRVPageBreakType : uint8_t { rvpbSoftPageBreak, rvpbPageBreak };

} // namespace vellum
