// The drawing and measuring surface the engine lays out and paints on. It follows the model of
// the surface the stored documents were designed for: a selected font with per-character
// measurement and explicit-advance output, one pen, colours in the engine's form, a clipping
// stack and off-screen buffers. Measuring and drawing agree exactly: text drawn with the
// advances a measurement gave lands at the positions that measurement reported.
//
// Pixel rules: coordinates are whole device pixels; a rectangle covers left <= x < right and
// top <= y < bottom; a line covers its start point and excludes its end point.
#pragma once

#include "platform/color.h"
#include "platform/picture.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

Rect IntersectRects(const Rect& a, const Rect& b); // empty rects come back as {0,0,0,0}

enum FontStyleFlag : uint32_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using FontStyles = uint32_t;

// What selects a font. The size is given either in points (converted with the canvas's
// vertical resolution: pixel size = MulDiv(pointSize, PixelsPerInchY(), 72)) or as a height in
// pixels: negative for the character (em) height, positive for the cell height (ascent plus
// descent). A non-zero height wins over the point size.
struct FontSpec {
    std::u16string face = u"Arial";
    int pointSize = 10;
    int height = 0;
    FontStyles style = 0;
    int charset = 1; // Windows charset number; decides the code page of 8-bit text
    // Average character width in pixels; 0 keeps the font's own. Any other value scales every
    // advance (and the glyphs) horizontally by width / the font's own average width.
    int width = 0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The selected font's metrics in pixels.
struct FontMetrics {
    int height = 0;          // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0; // height minus the em size
    int externalLeading = 0; // extra space the font recommends between lines
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 400;
    int charset = 1;
    friend bool operator==(const FontMetrics&, const FontMetrics&) = default;
};

// Design metrics of outline fonts, scaled to pixels. The underscore and strike-out positions
// are the top edge of each rule measured upwards from the baseline (an underscore below the
// baseline has a negative position); the sub/superscript offsets are as commented.
struct OutlineMetrics {
    int subscriptSizeX = 0;
    int subscriptSizeY = 0;
    int subscriptOffsetX = 0;
    int subscriptOffsetY = 0; // how far a subscript lies below the baseline (positive: lower)
    int superscriptSizeX = 0;
    int superscriptSizeY = 0;
    int superscriptOffsetX = 0;
    int superscriptOffsetY = 0; // how far a superscript lies above the baseline
    int underscoreSize = 1;
    int underscorePosition = 0;
    int strikeoutSize = 1;
    int strikeoutPosition = 0;
    friend bool operator==(const OutlineMetrics&, const OutlineMetrics&) = default;
};

enum class PenStyle {
    Solid,
    Dot,     // 1-pixel pens: 3 pixels on, 3 off
    Dash,    // 18 on, 6 off
    DashDot, // 9 on, 6 off, 3 on, 6 off
    Null,    // draws nothing (outlines are left out)
};

struct Pen {
    Color color = kColorWindowText;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class ReadingOrder { LeftToRight, RightToLeft };

// Abstract canvas. Text given as bytes is 8-bit text in the code page of the selected font's
// charset (CodePageOfCharset); fonts named "Symbol" or "Wingdings" read their bytes as the
// Unicode characters those fonts show (bullets, arrows, Greek), which any installed face can
// draw; other fonts of the symbol charset read bytes as Latin-1.
//
// Text positions are per code unit (a byte of 8-bit text, a UTF-16 code unit): all code units
// of one character share the position of that character's right edge, and fit counts never
// split a character. Letter spacing is added after every character, the last one included.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Device resolution, pixels per inch.
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;

    // --- Font selection and metrics
    virtual void SetFont(const FontSpec& font) = 0;
    virtual const FontSpec& Font() const = 0;
    virtual FontMetrics GetFontMetrics() = 0;
    // False when the font has no outline metrics; callers then use their own fractions.
    virtual bool GetOutlineMetrics(OutlineMetrics& metrics) = 0;
    // Extra pixels after every character, in measuring and drawing; 0 by default.
    virtual void SetCharSpacing(int pixels) = 0;
    virtual int CharSpacing() const = 0;
    virtual void SetReadingOrder(ReadingOrder order) = 0;
    virtual ReadingOrder GetReadingOrder() const = 0;

    // --- Measuring. Height is the font's height. By default the whole-text size from FitText.
    virtual Size TextExtent(std::string_view bytes);
    virtual Size TextExtentW(std::u16string_view text);

    // How many code units of the text fit within MAXEXTENT pixels (whole characters only;
    // a character fits when its right edge is <= MAXEXTENT). When POSITIONS is not empty it must
    // hold one entry per code unit and receives the cumulative right edge of every character of
    // the whole text, fitting or not. EXTENT, when given, receives the whole text's size.
    virtual int FitText(std::string_view bytes, int maxExtent, std::span<int> positions,
                        Size* extent = nullptr) = 0;
    virtual int FitTextW(std::u16string_view text, int maxExtent, std::span<int> positions,
                         Size* extent = nullptr) = 0;

    // x offsets of the character boundaries, text.size() + 1 entries: entry i is the boundary
    // before code unit i as drawn (the last is the end of the run); code units inside a
    // character get the boundary before that character. False (and CARETS untouched) when
    // CARETS has the wrong size.
    virtual bool CaretPositions(std::string_view bytes, std::span<int> carets) = 0;
    virtual bool CaretPositionsW(std::u16string_view text, std::span<int> carets) = 0;

    // --- Text output. (x, y) is the top-left corner of the text cell; the baseline lies at
    // y + ascent. ADVANCES, when not empty, holds one entry per code unit: a character advances
    // by the sum of its code units' entries, and letter spacing is not added. The background
    // of the cell (the run's width by the font's height) is filled when the text background is
    // not the none colour. Underline and strike-out follow the font's style.
    virtual void SetTextColor(Color color) = 0;
    virtual Color TextColor() const = 0;
    virtual void SetTextBackground(Color color) = 0; // kColorNone: transparent
    virtual void TextOut(int x, int y, std::string_view bytes, std::span<const int> advances = {}) = 0;
    virtual void TextOutW(int x, int y, std::u16string_view text,
                          std::span<const int> advances = {}) = 0;

    // --- Pens, brushes and shapes. Outlines use the pen, interiors the brush (kColorNone:
    // hollow). A rectangle's or ellipse's outline lies inside its bounds. With the null pen a
    // rectangle's fill ends one pixel short at the right and the bottom, as on the platform the
    // documents were made on (callers that fill a background widen the rect by one for it).
    // Pens wider than one pixel are solid with round ends, whatever their style.
    virtual void SetPen(const Pen& pen) = 0;
    virtual const Pen& GetPen() const = 0;
    virtual void SetBrush(Color color) = 0;
    virtual Color Brush() const = 0;

    virtual void FillRect(const Rect& rect, Color color) = 0;
    // One-pixel outline in COLOR along the rect's inner edge.
    virtual void FrameRect(const Rect& rect, Color color) = 0;
    // A line in the pen from FROM to TO, TO itself excluded.
    virtual void Line(Point from, Point to) = 0;
    virtual void Rectangle(const Rect& rect) = 0;
    virtual void Ellipse(const Rect& rect) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;

    // Pen position helpers built on Line.
    void MoveTo(int x, int y) { m_penPosition = {x, y}; }
    void LineTo(int x, int y)
    {
        Line(m_penPosition, {x, y});
        m_penPosition = {x, y};
    }
    Point PenPosition() const { return m_penPosition; }

    // --- Exclusive-or overlays: drawing the same overlay twice restores the pixels.
    virtual void InvertRect(const Rect& rect) = 0;
    // A dotted frame (every other pixel) inverted along the rect's inner edge.
    virtual void DrawFocusRect(const Rect& rect) = 0;

    // --- Clipping. Push saves the current clip, Intersect narrows it, Pop restores the last
    // saved one (a Pop without a Push does nothing).
    virtual void PushClip() = 0;
    virtual void IntersectClip(const Rect& rect) = 0;
    virtual void PopClip() = 0;
    // The bounds of the current clip (the whole surface when nothing is clipped).
    virtual Rect ClipBox() const = 0;

    // --- Pictures. Bitmaps are drawn through their alpha; metafiles, which the platform does
    // not render, show as a framed placeholder of their size. BLEND, when not the none colour,
    // mixes the picture 50 % with that colour (a selected image-list bullet).
    virtual void DrawPicture(const Picture& picture, int x, int y, Color blend = kColorNone) = 0;
    virtual void StretchPicture(const Picture& picture, const Rect& rect,
                                Color blend = kColorNone) = 0;
    // Copies of PICTURE, drawn as DrawPicture draws them, at every (origin.x + i * width,
    // origin.y + j * height) that touches AREA, cut to AREA. Only those copies are visited, so a
    // small picture behind a large area costs one call; a picture of zero size draws nothing,
    // and a metafile frames the area once.
    virtual void TilePicture(const Picture& picture, const Rect& area, Point origin) = 0;

    // --- Off-screen buffers for double buffering: a memory surface WIDTH x HEIGHT with this
    // canvas's resolution, initially white, and the block copy of such a buffer onto this canvas
    // with its top-left corner at (x, y). BUFFER must come from the same implementation.
    virtual std::unique_ptr<Canvas> CreateBuffer(int width, int height) = 0;
    virtual void CopyBuffer(const Canvas& buffer, int x, int y) = 0;
    // Size of the surface in pixels.
    virtual Size SurfaceSize() const = 0;

protected:
    Point m_penPosition;
};

// Symbol fonts are rarely installed; their bytes are shown as the Unicode characters they
// stand for. True when FACE is one of them ("Symbol", "Wingdings", case-insensitive).
bool IsSymbolFace(std::u16string_view face);

// The character a symbol-font byte shows; bytes without a known symbol keep their own value.
char16_t SymbolByteToUnicode(std::u16string_view face, uint8_t byte);

// The font's height request in pixels on a device of PPIY pixels per inch: HEIGHT when it is
// non-zero, else minus MulDiv(pointSize, ppiY, 72). Negative: em height; positive: cell height.
int FontHeightRequest(const FontSpec& font, int ppiY);

} // namespace platform
