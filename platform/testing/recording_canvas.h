// A canvas with fixed, documented metrics that records what is drawn, one line per call, so
// that layout and painting tests can assert exact numbers and compare drawings as text.
//
// Metrics. A font's em size s in pixels is: -height for a negative height; height * 4 / 5 for a
// positive (cell) height; MulDiv(pointSize, ppiY, 72) otherwise; at least 1. Then
//   ascent = s, descent = s / 4, height = ascent + descent, internalLeading = s / 4,
//   externalLeading = s / 8, weight = 700 when bold else 400.
// Advances (no kerning, letter spacing added after every character):
//   narrow N = s / 2 (at least 1), or the request's width when it is non-zero;
//   wide characters, 2 * N: U+1100-115F, U+2E80-A4CF, U+AC00-D7A3, U+F900-FAFF, U+FE30-FE4F,
//     U+FF00-FF60, U+FFE0-FFE6 and every character outside the basic plane;
//   no advance: combining marks and zero-width characters (IsZeroWidthChar);
//   every other character N. aveCharWidth = N, maxCharWidth = 2 * N.
// Outline metrics (present unless SetHasOutlineMetrics(false)):
//   sub/superscript size = s * 2 / 3 (x and y), subscriptOffsetY = s / 5,
//   superscriptOffsetY = s * 2 / 5, offsets x 0; underscoreSize = strikeoutSize = max(1, s / 12),
//   underscorePosition = -max(1, s / 8), strikeoutPosition = s * 3 / 10.
// 8-bit text is decoded like the real canvas does (code page of the font's charset; symbol
// faces), so double-byte characters measure as wide.
//
// Record format (coordinates as given; colours as "sysN" for system colours, "none", else
// "#BBGGRR" in the engine's byte order):
//   textA X,Y "utf-8" font=FACE/H[/BIUS][/wW][ cs=N] color=C back=C[ spacing=N][ rtl][ adv=a,b,..]
//   textW ...                 (the same for UTF-16 text; H is the height request)
//   fill L,T,R,B C            frame L,T,R,B C
//   line X1,Y1,X2,Y2 pen=C/W[/dot|dash|dashdot|null]
//   rect L,T,R,B pen=... brush=C      ellipse L,T,R,B pen=... brush=C
//   polygon X,Y X,Y ... pen=... brush=C
//   invert L,T,R,B            focus L,T,R,B
//   clip push | clip L,T,R,B -> L,T,R,B | clip pop
//   picture X,Y WxH KIND[ blend=C]    stretch L,T,R,B WxH KIND[ blend=C]
//   tile L,T,R,B WxH KIND origin=X,Y  (one line for all copies; nothing for a zero-size picture)
//   copy WxH at X,Y           followed by the buffer's own lines, each prefixed with "> "
#pragma once

#include "platform/canvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// What measuring cost a canvas, counted on it and on every buffer made from it.
struct CanvasCounters {
    int64_t fontSelections = 0;     // SetFont calls
    int64_t metricReads = 0;        // GetFontMetrics and GetOutlineMetrics calls
    int64_t measuringCalls = 0;     // FitText, FitTextW, CaretPositions, CaretPositionsW (extents too)
    int64_t charactersMeasured = 0; // code units those calls were given
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width = 1000, int height = 1000, int ppiX = 96, int ppiY = 96);

    const std::vector<std::string>& Log() const { return m_log; }
    // The log as text, one line per call, each ending in '\n'.
    std::string Dump() const;
    void ClearLog() { m_log.clear(); }
    // Buffers made afterwards inherit the setting.
    void SetHasOutlineMetrics(bool has) { m_hasOutlineMetrics = has; }
    const CanvasCounters& Counters() const { return *m_counters; }
    void ResetCounters() { *m_counters = CanvasCounters{}; }

    // The em size and advances of the selected font (see the metrics above).
    int EmSize() const;
    int AdvanceOf(char32_t c) const;

    int PixelsPerInchX() const override { return m_ppiX; }
    int PixelsPerInchY() const override { return m_ppiY; }

    void SetFont(const FontSpec& font) override
    {
        ++m_counters->fontSelections;
        m_font = font;
    }
    const FontSpec& Font() const override { return m_font; }
    FontMetrics GetFontMetrics() override;
    bool GetOutlineMetrics(OutlineMetrics& metrics) override;
    void SetCharSpacing(int pixels) override { m_spacing = pixels; }
    int CharSpacing() const override { return m_spacing; }
    void SetReadingOrder(ReadingOrder order) override { m_order = order; }
    ReadingOrder GetReadingOrder() const override { return m_order; }

    int FitText(std::string_view bytes, int maxExtent, std::span<int> positions,
                Size* extent = nullptr) override;
    int FitTextW(std::u16string_view text, int maxExtent, std::span<int> positions,
                 Size* extent = nullptr) override;
    bool CaretPositions(std::string_view bytes, std::span<int> carets) override;
    bool CaretPositionsW(std::u16string_view text, std::span<int> carets) override;

    void SetTextColor(Color color) override { m_textColor = color; }
    Color TextColor() const override { return m_textColor; }
    void SetTextBackground(Color color) override { m_textBack = color; }
    void TextOut(int x, int y, std::string_view bytes, std::span<const int> advances = {}) override;
    void TextOutW(int x, int y, std::u16string_view text,
                  std::span<const int> advances = {}) override;

    void SetPen(const Pen& pen) override { m_pen = pen; }
    const Pen& GetPen() const override { return m_pen; }
    void SetBrush(Color color) override { m_brush = color; }
    Color Brush() const override { return m_brush; }

    void FillRect(const Rect& rect, Color color) override;
    void FrameRect(const Rect& rect, Color color) override;
    void Line(Point from, Point to) override;
    void Rectangle(const Rect& rect) override;
    void Ellipse(const Rect& rect) override;
    void Polygon(std::span<const Point> points) override;

    void InvertRect(const Rect& rect) override;
    void DrawFocusRect(const Rect& rect) override;

    void PushClip() override;
    void IntersectClip(const Rect& rect) override;
    void PopClip() override;
    Rect ClipBox() const override { return m_clip; }

    void DrawPicture(const Picture& picture, int x, int y, Color blend = kColorNone) override;
    void StretchPicture(const Picture& picture, const Rect& rect,
                        Color blend = kColorNone) override;
    void TilePicture(const Picture& picture, const Rect& area, Point origin) override;

    std::unique_ptr<Canvas> CreateBuffer(int width, int height) override;
    void CopyBuffer(const Canvas& buffer, int x, int y) override;
    Size SurfaceSize() const override { return {m_width, m_height}; }

    // Formatting helpers shared with tests that build expected lines.
    static std::string ColorText(Color color);
    static std::string RectText(const Rect& rect);
    std::string PenText() const;
    std::string FontText() const;

private:
    FontMetrics Metrics() const;
    void CountMeasuring(size_t units);
    void RecordText(const char* kind, int x, int y, const std::u16string& shown,
                    std::span<const int> advances);

    int m_width;
    int m_height;
    int m_ppiX;
    int m_ppiY;
    FontSpec m_font;
    int m_spacing = 0;
    ReadingOrder m_order = ReadingOrder::LeftToRight;
    bool m_hasOutlineMetrics = true;
    Color m_textColor = kColorWindowText;
    Color m_textBack = kColorNone;
    Pen m_pen;
    Color m_brush = kColorNone;
    Rect m_clip;
    std::vector<Rect> m_clipStack;
    std::vector<std::string> m_log;
    std::shared_ptr<CanvasCounters> m_counters = std::make_shared<CanvasCounters>();
};

} // namespace platform
