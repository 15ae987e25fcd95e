// Value types shared by the style records, the style sheet and everything that reads them:
// colours, character sets, cursor numbers, reading direction, sequence numbering.
#pragma once

#include <cstdint>

#include "platform/codepage.h"
#include "platform/color.h"
#include "vellum/style/rv_set.h"

namespace vellum {

// 0x00BBGGRR is an RGB colour; 0xFF0000nn is system colour nn; clNone means "not set" or
// "transparent" wherever a colour is optional.
// Resolution to RGB lives in platform/color.h (platform::ResolveColor).
using TColor = platform::Color;
using platform::IsSystemColor;
using platform::SystemColor;

constexpr TColor clNone = platform::kColorNone;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);

// Windows character set of a font (DEFAULT_CHARSET: the code page follows the style sheet).
using TFontCharset = uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset GB2312_CHARSET = 134;

using TRVCodePage = platform::CodePage;

// Pointer shape numbers of the global cursor table.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crJump = 101;
constexpr TCursor crRVFlipArrow = 106;

enum TRVBiDiMode : uint8_t { rvbdUnspecified, rvbdLeftToRight, rvbdRightToLeft };

enum TRVSeqType : uint8_t { rvseqDecimal, rvseqLowerAlpha, rvseqUpperAlpha, rvseqLowerRoman, rvseqUpperRoman };

// How the painter turns colours for its output (screen, printer colours, grey, black and white).
enum TRVColorMode : uint8_t {
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
using TRVTextDrawStates = TRVSet<TRVTextDrawState>;

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
using ItemDrawState = TRVSet<ItemDrawStateBit>;

enum TRVPageBreakType : uint8_t { rvpbSoftPageBreak, rvpbPageBreak };

} // namespace vellum
