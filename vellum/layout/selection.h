// The values the selection model and hit testing speak in. The operations themselves are
// members of TCustomRVFormattedData (custom_rv_formatted_data.h), which holds the selection.
//
// Positions. Inside a text draw item (a piece) offset k, 1 .. TextLength + 1, lies before the
// piece's k-th character; TextLength + 1 is after its last one. Inside any other draw item 0 is
// before it and 1 after it. Item positions use the same rule over the whole item. Draw item
// number -1 (item number -1) means "no position".
#pragma once

#include <cstdint>
#include <string_view>

namespace vellum {

struct DrawPosition {
    int32_t drawItemNo = -1;
    int32_t offset = 0;

    bool Valid() const { return drawItemNo >= 0; }
    friend bool operator==(const DrawPosition&, const DrawPosition&) = default;
    // Reading order: by draw item, then by offset.
    friend bool operator<(const DrawPosition& a, const DrawPosition& b)
    {
        return a.drawItemNo != b.drawItemNo ? a.drawItemNo < b.drawItemNo : a.offset < b.offset;
    }
};

struct ItemPosition {
    int32_t itemNo = -1;
    int32_t offset = 0;

    friend bool operator==(const ItemPosition&, const ItemPosition&) = default;
};

// The two ends of a selection: the anchor first unless normalised, else the earlier first.
struct SelectionBounds {
    DrawPosition start;
    DrawPosition end;
};

struct ItemSelectionBounds {
    ItemPosition start;
    ItemPosition end;
};

// The first and last draw item of one line; both -1 for no line.
struct LineRange {
    int32_t first = -1;
    int32_t last = -1;
};

// A word inside one piece, as piece offsets: START before its first character, END after its
// last. FOUND is false when the offset is not inside a word.
struct WordRange {
    bool found = false;
    int32_t start = 0;
    int32_t end = 0;
};

// What DrawItemAtY looks for.
enum class DrawItemSearch : int {
    AtOrBelow = 0,  // the first draw item whose top is not above Y (the last when none is)
    ViewTop = 1,    // where painting of a view starting at Y begins: a line earlier, and one more item
    ViewBottom = 3, // as AtOrBelow; the last draw item when every top is above Y
};

// The word delimiters a control starts with: space . ; , : ( ) { } " / \ < > ! ? [ ], the four
// code-page curly quotes 0x91-0x94, - + * =, the non-breaking space 0xA0 and the low double
// quote 0x84.
constexpr std::string_view kDefaultDelimiters =
    " .;,:(){}\"/\\<>!?[]\x91\x92\x93\x94-+*=\xA0\x84";

// What a drag in word or paragraph selection mode remembers. Offsets are piece offsets.
class TRVSelectingInfo {
public:
    enum SelectingMode : int {
        smInsideInitialWord = 0, // the pointer has not left the word of the first click
        smWordSnapping = 1,      // the active end snaps to whole words
        smNoInitialWord = 2,     // no word under the first click, or the pointer came back into it
        smParagraphs = 3,        // whole paragraphs
    };
    enum WordStateKind : int {
        wsNormal = 0,
        wsExact = 2, // the pointer moved back toward the anchor inside the current word
    };

    int32_t InitialOffset = 0;
    int32_t CurrentOffset = 0;
    int32_t InitialWordStart = 0;
    int32_t InitialWordEnd = 0;
    int32_t CurrentWordStart = -1;
    int32_t CurrentWordEnd = -1;
    int32_t InitialDrawItemNo = -1;
    int32_t CurrentDrawItemNo = -1;
    int Mode = smNoInitialWord;
    int WordState = wsNormal;

    // Where POS lies against the word of the first click (without one, against the click).
    bool IsBeforeInitial(const DrawPosition& pos) const
    {
        return pos.drawItemNo < InitialDrawItemNo ||
               (pos.drawItemNo == InitialDrawItemNo && pos.offset < InitialWordStart);
    }
    bool IsAfterInitial(const DrawPosition& pos) const
    {
        return pos.drawItemNo > InitialDrawItemNo ||
               (pos.drawItemNo == InitialDrawItemNo && pos.offset > InitialWordEnd);
    }
    bool IsInsideInitial(const DrawPosition& pos) const
    {
        return pos.drawItemNo == InitialDrawItemNo && pos.offset >= InitialWordStart &&
               pos.offset <= InitialWordEnd;
    }
};

} // namespace vellum
