// Basic types of the document model: item text, item kinds by style number, item flags, document
// state flags and the option sets that documents read from the control that owns them.
#pragma once

#include <cstdint>
#include <string>

#include "vellum/rv_types.h"
#include "vellum/style/style_types.h"

namespace vellum {

// Style numbers of the item kinds. Non-negative numbers are text styles.
constexpr int32_t rvsBreak = -1;
constexpr int32_t rvsCheckpoint = -2; // a record kind, never an item
constexpr int32_t rvsPicture = -3;
constexpr int32_t rvsHotspot = -4;
constexpr int32_t rvsComponent = -5;
constexpr int32_t rvsBullet = -6;
constexpr int32_t rvsBack = -7;        // a record kind, never an item
constexpr int32_t rvsVersionInfo = -8; // a record kind, never an item
constexpr int32_t rvsDocProperty = -9; // a record kind, never an item
constexpr int32_t rvsHotPicture = -10;
constexpr int32_t rvsListMarker = -11;
constexpr int32_t rvsTab = -12;
constexpr int32_t rvsTable = -60;
constexpr int32_t rvsLabel = -200;
constexpr int32_t rvsSequence = -202;
constexpr int32_t rvsFootnote = -203;
constexpr int32_t rvsEndnote = -204;
constexpr int32_t rvsNoteReference = -205;
// A text item in this style takes the default text style of its paragraph.
constexpr int32_t rvsDefStyle = 2147483647;

// Item flags, one byte per item exactly as RVF stores it.
enum ItemOption : uint8_t {
    rvioContinuesParagraph = 1,
    rvioBreakPageBefore = 2,
    rvioStartsNewLine = 4,
    rvioUnicodeText = 8,
};

// Document state flags (bit numbers of DataState).
enum DataStateFlag : int {
    rvstClearing = 8,
    rvstReadingNested = 18,
    rvstFirstParaContinued = 22,
    rvstLastParaContinued = 23,
};

// Viewer options (bit numbers of TRVOptions). Only rvoTagsArePChars has a fixed position that
// matters outside the program; the others are in-memory switches.
enum RvOption : int {
    rvoAllowSelection = 0,
    rvoSingleClick = 1,
    rvoScrollToEnd = 2,
    rvoClientTextWidth = 3,
    rvoShowCheckpoints = 4,
    rvoShowPageBreaks = 5,
    rvoShowSpecialCharacters = 6,
    rvoTagsArePChars = 7,
    rvoAutoCopyText = 8,
    rvoAutoCopyUnicodeText = 9,
    rvoAutoCopyRVF = 10,
    rvoAutoCopyImage = 11,
    rvoAutoCopyRTF = 12,
    rvoFormatInvalidate = 13,
    rvoDblClickSelectsWord = 14,
    rvoRClickDeselects = 15,
    rvoDisallowDrag = 16,
    rvoShowItemHints = 17,
    rvoFastFormatting = 18,
};
using TRVOptions = uint32_t;

// RVF reading and writing switches (bit numbers of TRVFOptions).
enum TRVFOption : int {
    rvfoSavePicturesBody = 0,
    rvfoSaveControlsBody = 1,
    rvfoIgnoreUnknownPicFmt = 2,
    rvfoIgnoreUnknownCtrls = 3,
    rvfoConvUnknownStylesToZero = 4,
    rvfoConvLargeImageIdxToZero = 5,
    rvfoSaveBinary = 6,
    rvfoUseStyleNames = 7,
    rvfoSaveBack = 8,
    rvfoLoadBack = 9,
    rvfoSaveTextStyles = 10,
    rvfoSaveParaStyles = 11,
    rvfoSaveLayout = 12,
    rvfoLoadLayout = 13,
    rvfoSaveDocProperties = 14,
    rvfoLoadDocProperties = 15,
};
using TRVFOptions = uint16_t;

// RTF writing switches (bit numbers of TRVRTFOptions).
enum TRVRTFOption : int {
    rvrtfSaveStyleSheet = 0,
    rvrtfDuplicateUnicode = 1,
    rvrtfSaveEMFAsWMF = 2,
    rvrtfSaveJpegAsJpeg = 3,
};
using TRVRTFOptions = uint32_t;

// How style tables stored in a document are brought into the style sheet.
enum TRVFReaderStyleMode { rvf_sIgnore, rvf_sInsertMap, rvf_sInsertMerge };

// What picture items do for palette displays. This platform has no palettes.
enum TRVPaletteAction { rvpaDoNothing, rvpaAssignPalette, rvpaCreateCopies, rvpaCreateCopiesEx };

enum ItemAction { rviaInserting, rviaInserted, rviaTextModifying, rviaDestroying, rviaMovingToUndoList };

enum ControlAction {
    rvcaAfterRVFLoad,
    rvcaDestroy,
    rvcaMoveToUndoList,
    rvcaMoveFromUndoList,
    rvcaDestroyInUndoList,
    rvcaBeforeRVFSave,
    rvcaAfterRVFSave,
};

// Bit test for the option sets above.
template <typename Set, typename Enum>
constexpr bool HasOption(Set set, Enum bit)
{
    return (set >> static_cast<int>(bit)) & 1u;
}

template <typename Set, typename Enum>
constexpr Set OptionBit(Enum bit)
{
    return static_cast<Set>(Set{1} << static_cast<int>(bit));
}

} // namespace vellum
