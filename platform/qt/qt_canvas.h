// The canvas on Qt: draws through a QPainter (aliased shapes, pixel-exact lines) and measures
// with QtFont, so text lands exactly where measurement put it. QtImageCanvas owns an image and
// is what buffers, tests and the command-line renderer draw on.
#pragma once

#include "platform/canvas.h"
#include "platform/qt/qt_font.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace platform {

class QtCanvas : public Canvas {
public:
    // PAINTER must stay active for the canvas's life; SURFACE is the device's size in pixels.
    QtCanvas(QPainter& painter, Size surface, int ppiX, int ppiY);
    ~QtCanvas() override;

    // Text is gathered per font and colour and reaches the painter in one glyph run each: before
    // anything else is drawn, before the clip changes, when the pixels are read or copied, and
    // here. Callers that draw on the painter themselves flush first.
    void Flush() const;

    // Families the selected font resolved to, in fallback order.
    std::vector<QString> FontFamilies();
    // Glyph runs handed to the painter so far, on this canvas (what text drawing costs).
    int64_t GlyphRunCalls() const { return m_glyphRunCalls; }

    int PixelsPerInchX() const override { return m_ppiX; }
    int PixelsPerInchY() const override { return m_ppiY; }

    void SetFont(const FontSpec& font) override;
    const FontSpec& Font() const override { return m_spec; }
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
    Size SurfaceSize() const override { return m_surface; }

private:
    // One character of a run: its code point, first code unit and advance.
    struct RunChar {
        char32_t c;
        size_t first;
        int advance;
    };
    QtFont& CurrentFont();
    std::vector<RunChar> Layout(std::u16string_view text, std::span<const int> advances);
    std::vector<RunChar> LayoutBytes(std::string_view bytes, std::span<const int> advances);
    void DrawRun(int x, int y, const std::vector<RunChar>& run);
    void DrawGlyphs(int x, int baseline, const std::vector<RunChar>& run);
    // Glyphs of one font member in one colour, waiting to be drawn, at positions in the
    // coordinates of the font's horizontal scale.
    struct PendingGlyphs {
        std::shared_ptr<QtFont> font;
        size_t member = 0;
        QRgb color = 0;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    PendingGlyphs& PendingFor(size_t member, QRgb color);
    void DrawDecorations(int x, int baseline, int width);
    void PenLine(Point from, Point to, const Pen& pen);
    void XorPixels(const std::vector<QRect>& rects);

    QPainter* m_painter;
    Size m_surface;
    int m_ppiX;
    int m_ppiY;
    FontSpec m_spec;
    std::shared_ptr<QtFont> m_font;
    int m_spacing = 0;
    ReadingOrder m_order = ReadingOrder::LeftToRight;
    Color m_textColor = kColorWindowText;
    Color m_textBack = kColorNone;
    Pen m_pen;
    Color m_brush = kColorNone;
    Rect m_clip;
    std::vector<Rect> m_clipStack;
    mutable std::vector<PendingGlyphs> m_pending;
    mutable int64_t m_glyphRunCalls = 0;
};

// Owns its image (32-bit RGB, white when made) and the painter on it.
class QtImageSurface {
protected:
    QtImageSurface(int width, int height);
    ~QtImageSurface();
    QImage m_image;
    QPainter m_imagePainter;
};

class QtImageCanvas : private QtImageSurface, public QtCanvas {
public:
    QtImageCanvas(int width, int height, int ppiX = 96, int ppiY = 96);
    // The pixels drawn so far (the painter stays active; read, do not keep painting on a copy).
    const QImage& Image() const
    {
        Flush();
        return m_image;
    }
};

} // namespace platform
