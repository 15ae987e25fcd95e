#include "platform/qt/qt_canvas.h"

#include "platform/qt/byte_chars.h"
#include "platform/text_walk.h"

#include <QGlyphRun>

#include <algorithm>

namespace platform {
namespace {

QColor ToQColor(Color color)
{
    return QColor::fromRgb(ColorToArgb(color));
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// On/off lengths of the styled one-pixel pens.
std::span<const int> PenPattern(PenStyle style)
{
    static const int dot[] = {3, 3};
    static const int dash[] = {18, 6};
    static const int dashDot[] = {9, 6, 3, 6};
    switch (style) {
    case PenStyle::Dot: return dot;
    case PenStyle::Dash: return dash;
    case PenStyle::DashDot: return dashDot;
    case PenStyle::Solid:
    case PenStyle::Null: return {};
    }
    return {};
}

// Whether the N-th pixel of a line is drawn by PATTERN.
bool PatternOn(std::span<const int> pattern, long n)
{
    if (pattern.empty())
        return true;
    int period = 0;
    for (int length : pattern)
        period += length;
    long offset = n % period;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (offset < pattern[i])
            return i % 2 == 0;
        offset -= pattern[i];
    }
    return false;
}

// Adds pixel (x, y) to RECTS, growing the last rect when the pixel continues its row or column.
void AddPixel(std::vector<QRect>& rects, int x, int y)
{
    if (!rects.empty()) {
        QRect& last = rects.back();
        if (last.height() == 1 && last.top() == y && (x == last.right() + 1 || x == last.left() - 1)) {
            last = last.united(QRect(x, y, 1, 1));
            return;
        }
        if (last.width() == 1 && last.left() == x && (y == last.bottom() + 1 || y == last.top() - 1)) {
            last = last.united(QRect(x, y, 1, 1));
            return;
        }
    }
    rects.push_back(QRect(x, y, 1, 1));
}

// The pixels of a one-pixel line from FROM up to, not including, TO (Bresenham).
std::vector<QRect> LinePixels(Point from, Point to, std::span<const int> pattern)
{
    std::vector<QRect> rects;
    const long dx = std::labs(long(to.x) - from.x);
    const long dy = std::labs(long(to.y) - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    long error = dx - dy;
    int x = from.x;
    int y = from.y;
    for (long n = 0; n < std::max(dx, dy); ++n) {
        if (PatternOn(pattern, n))
            AddPixel(rects, x, y);
        const long twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
    return rects;
}

// Every other pixel of the rect's inner edge, walked once around.
std::vector<QRect> FocusPixels(const Rect& r)
{
    std::vector<QRect> rects;
    if (r.IsEmpty())
        return rects;
    std::vector<QPoint> ring;
    for (int x = r.left; x < r.right; ++x)
        ring.emplace_back(x, r.top);
    for (int y = r.top + 1; y < r.bottom; ++y)
        ring.emplace_back(r.right - 1, y);
    for (int x = r.right - 2; x >= r.left && r.bottom - 1 > r.top; --x)
        ring.emplace_back(x, r.bottom - 1);
    for (int y = r.bottom - 2; y > r.top && r.right - 1 > r.left; --y)
        ring.emplace_back(r.left, y);
    for (size_t i = 0; i < ring.size(); i += 2)
        rects.emplace_back(ring[i], QSize(1, 1));
    return rects;
}

// The picture's pixels as an image; metafiles and malformed pictures give a null image.
QImage PictureImage(const Picture& picture, Color blend)
{
    const auto& pixels = picture.Pixels();
    const int64_t count = int64_t(picture.Width()) * picture.Height();
    if (picture.IsMetafile() || count <= 0 || int64_t(pixels.size()) != count)
        return {};
    QImage image(reinterpret_cast<const uchar*>(pixels.data()), picture.Width(), picture.Height(),
                 qsizetype(picture.Width()) * 4, QImage::Format_ARGB32);
    if (IsNoneColor(blend))
        return image;
    QImage mixed = image.copy();
    const uint32_t with = ColorToArgb(blend);
    for (int y = 0; y < mixed.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(mixed.scanLine(y));
        for (int x = 0; x < mixed.width(); ++x) {
            const uint32_t p = line[x];
            const uint32_t rb = (((p & 0xFF00FFu) + (with & 0xFF00FFu)) >> 1) & 0xFF00FFu;
            const uint32_t g = (((p & 0xFF00u) + (with & 0xFF00u)) >> 1) & 0xFF00u;
            line[x] = (p & 0xFF000000u) | rb | g;
        }
    }
    return mixed;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, Size surface, int ppiX, int ppiY)
    : m_painter(&painter), m_surface(surface), m_ppiX(ppiX), m_ppiY(ppiY),
      m_clip{0, 0, surface.cx, surface.cy}
{
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_painter->hasClipping()) {
        const QRect bounds = m_painter->clipBoundingRect().toAlignedRect();
        m_clip = IntersectRects(m_clip, {bounds.left(), bounds.top(), bounds.right() + 1,
                                         bounds.bottom() + 1});
    }
}

QtCanvas::~QtCanvas()
{
    Flush();
}

QtFont& QtCanvas::CurrentFont()
{
    if (!m_font)
        m_font = AcquireQtFont(m_spec, m_ppiY);
    return *m_font;
}

std::vector<QString> QtCanvas::FontFamilies()
{
    return CurrentFont().Families();
}

void QtCanvas::SetFont(const FontSpec& font)
{
    if (font == m_spec && m_font)
        return;
    m_spec = font;
    m_font.reset();
}

FontMetrics QtCanvas::GetFontMetrics()
{
    FontMetrics metrics = CurrentFont().Metrics();
    metrics.charset = m_spec.charset; // fonts are shared across charsets
    return metrics;
}

bool QtCanvas::GetOutlineMetrics(OutlineMetrics& metrics)
{
    const auto& outline = CurrentFont().Outline();
    if (!outline)
        return false;
    metrics = *outline;
    return true;
}

int QtCanvas::FitText(std::string_view bytes, int maxExtent, std::span<int> positions,
                      Size* extent)
{
    if (!positions.empty() && positions.size() != bytes.size())
        return 0;
    QtFont& font = CurrentFont();
    TextWalker walker(m_spacing, maxExtent, positions, {});
    ByteChars& chars = ByteChars::ForFont(m_spec.charset, m_spec.face);
    const TextWalkResult result = WalkBytes(bytes, chars, walker, extent == nullptr,
                                            [&font](char32_t c) { return font.Advance(c); });
    if (extent)
        *extent = {result.width, font.Metrics().height};
    return result.fit;
}

int QtCanvas::FitTextW(std::u16string_view text, int maxExtent, std::span<int> positions,
                       Size* extent)
{
    if (!positions.empty() && positions.size() != text.size())
        return 0;
    QtFont& font = CurrentFont();
    TextWalker walker(m_spacing, maxExtent, positions, {});
    const TextWalkResult result = WalkUtf16(text, walker, extent == nullptr,
                                            [&font](char32_t c) { return font.Advance(c); });
    if (extent)
        *extent = {result.width, font.Metrics().height};
    return result.fit;
}

bool QtCanvas::CaretPositions(std::string_view bytes, std::span<int> carets)
{
    if (carets.size() != bytes.size() + 1)
        return false;
    QtFont& font = CurrentFont();
    TextWalker walker(m_spacing, 0, {}, carets);
    WalkBytes(bytes, ByteChars::ForFont(m_spec.charset, m_spec.face), walker, false,
              [&font](char32_t c) { return font.Advance(c); });
    return true;
}

bool QtCanvas::CaretPositionsW(std::u16string_view text, std::span<int> carets)
{
    if (carets.size() != text.size() + 1)
        return false;
    QtFont& font = CurrentFont();
    TextWalker walker(m_spacing, 0, {}, carets);
    WalkUtf16(text, walker, false, [&font](char32_t c) { return font.Advance(c); });
    return true;
}

// Explicit advances replace measured ones only when there is one per code unit.
std::vector<QtCanvas::RunChar> QtCanvas::Layout(std::u16string_view text,
                                                std::span<const int> advances)
{
    QtFont& font = CurrentFont();
    const bool explicitAdvances = advances.size() == text.size();
    std::vector<RunChar> run;
    run.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = text[i];
        size_t units = 1;
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            units = 2;
        }
        int advance = font.Advance(c) + m_spacing;
        if (explicitAdvances) {
            advance = 0;
            for (size_t k = 0; k < units; ++k)
                advance += advances[i + k];
        }
        run.push_back({c, i, advance});
        i += units;
    }
    return run;
}

std::vector<QtCanvas::RunChar> QtCanvas::LayoutBytes(std::string_view bytes,
                                                     std::span<const int> advances)
{
    QtFont& font = CurrentFont();
    const bool explicitAdvances = advances.size() == bytes.size();
    std::vector<RunChar> run;
    run.reserve(bytes.size());
    ByteChars::ForFont(m_spec.charset, m_spec.face)
        .ForEachChar(bytes, [&](size_t first, size_t units, char16_t c) {
            int advance = font.Advance(c) + m_spacing;
            if (explicitAdvances) {
                advance = 0;
                for (size_t k = 0; k < units; ++k)
                    advance += advances[first + k];
            }
            run.push_back({c, first, advance});
        });
    return run;
}

void QtCanvas::TextOut(int x, int y, std::string_view bytes, std::span<const int> advances)
{
    DrawRun(x, y, LayoutBytes(bytes, advances));
}

void QtCanvas::TextOutW(int x, int y, std::u16string_view text, std::span<const int> advances)
{
    DrawRun(x, y, Layout(text, advances));
}

void QtCanvas::DrawRun(int x, int y, const std::vector<RunChar>& run)
{
    // FIXME: no bidirectional reordering; right-to-left reading order draws in logical order,
    // which is right for the left-to-right scripts this program's documents hold.
    const FontMetrics& metrics = CurrentFont().Metrics();
    int64_t width = 0;
    for (const RunChar& c : run)
        width += c.advance;
    const int runWidth = int(std::clamp<int64_t>(width, 0, INT32_MAX / 2));
    if (!IsNoneColor(m_textBack)) {
        Flush();
        m_painter->fillRect(QRect(x, y, runWidth, metrics.height), ToQColor(m_textBack));
    }
    const int baseline = y + metrics.ascent;
    DrawGlyphs(x, baseline, run);
    DrawDecorations(x, baseline, runWidth);
}

QtCanvas::PendingGlyphs& QtCanvas::PendingFor(size_t member, QRgb color)
{
    for (PendingGlyphs& pending : m_pending) {
        if (pending.font == m_font && pending.member == member && pending.color == color)
            return pending;
    }
    m_pending.push_back({m_font, member, color, {}, {}});
    return m_pending.back();
}

void QtCanvas::DrawGlyphs(int x, int baseline, const std::vector<RunChar>& run)
{
    QtFont& font = CurrentFont();
    const double scale = font.HorizontalScale();
    const QRgb color = ToQColor(m_textColor).rgba();
    int64_t pen = x;
    for (const RunChar& c : run) {
        const QtFont::Glyph glyph = font.GlyphOf(c.c);
        if (glyph.member >= 0 && !QChar::isSpace(c.c)) {
            PendingGlyphs& pending = PendingFor(size_t(glyph.member), color);
            pending.glyphs.push_back(glyph.index);
            pending.positions.push_back(QPointF(double(pen) / scale, baseline));
        }
        pen += c.advance;
    }
}

void QtCanvas::Flush() const
{
    for (PendingGlyphs& pending : m_pending) {
        QGlyphRun glyphRun;
        glyphRun.setRawFont(pending.font->Members()[pending.member]);
        glyphRun.setGlyphIndexes(pending.glyphs);
        glyphRun.setPositions(pending.positions);
        m_painter->save();
        m_painter->setPen(QColor::fromRgba(pending.color));
        m_painter->scale(pending.font->HorizontalScale(), 1.0);
        m_painter->drawGlyphRun(QPointF(0, 0), glyphRun);
        m_painter->restore();
        ++m_glyphRunCalls;
    }
    m_pending.clear();
}

void QtCanvas::DrawDecorations(int x, int baseline, int width)
{
    if (!(m_spec.style & (fsUnderline | fsStrikeOut)) || width <= 0)
        return;
    const QtFont& font = CurrentFont();
    OutlineMetrics o;
    if (font.Outline()) {
        o = *font.Outline();
    } else {
        o.underscoreSize = o.strikeoutSize = std::max(1, font.EmPixels() / 14);
        o.underscorePosition = -std::max(1, font.Metrics().descent / 2);
        o.strikeoutPosition = font.Metrics().ascent / 3;
    }
    const QColor color = ToQColor(m_textColor);
    if (m_spec.style & fsUnderline)
        m_painter->fillRect(QRect(x, baseline - o.underscorePosition, width, o.underscoreSize), color);
    if (m_spec.style & fsStrikeOut)
        m_painter->fillRect(QRect(x, baseline - o.strikeoutPosition, width, o.strikeoutSize), color);
}

void QtCanvas::FillRect(const Rect& rect, Color color)
{
    if (rect.IsEmpty() || IsNoneColor(color))
        return;
    Flush();
    m_painter->fillRect(ToQRect(rect), ToQColor(color));
}

void QtCanvas::FrameRect(const Rect& r, Color color)
{
    if (r.IsEmpty() || IsNoneColor(color))
        return;
    FillRect({r.left, r.top, r.right, r.top + 1}, color);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillRect({r.left, r.top + 1, r.left + 1, r.bottom - 1}, color);
    FillRect({r.right - 1, r.top + 1, r.right, r.bottom - 1}, color);
}

void QtCanvas::PenLine(Point from, Point to, const Pen& pen)
{
    if (pen.style == PenStyle::Null || IsNoneColor(pen.color))
        return;
    Flush();
    const QColor color = ToQColor(pen.color);
    if (pen.width > 1) {
        // Wide pens are solid with round ends, whatever their style.
        m_painter->save();
        m_painter->setPen(QPen(color, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter->drawLine(from.x, from.y, to.x, to.y);
        m_painter->restore();
        return;
    }
    for (const QRect& rect : LinePixels(from, to, PenPattern(pen.style)))
        m_painter->fillRect(rect, color);
}

void QtCanvas::Line(Point from, Point to)
{
    PenLine(from, to, m_pen);
}

void QtCanvas::Rectangle(const Rect& r)
{
    if (r.IsEmpty())
        return;
    if (m_pen.style == PenStyle::Null || IsNoneColor(m_pen.color)) {
        // Without an outline the filled area ends one pixel short at the right and the bottom.
        FillRect({r.left, r.top, r.right - 1, r.bottom - 1}, m_brush);
        return;
    }
    const int w = std::max(1, m_pen.width);
    FillRect({r.left + w, r.top + w, r.right - w, r.bottom - w}, m_brush);
    if (w == 1) {
        Line({r.left, r.top}, {r.right - 1, r.top});
        Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1});
        Line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1});
        Line({r.left, r.bottom - 1}, {r.left, r.top});
        return;
    }
    const Color c = m_pen.color;
    FillRect({r.left, r.top, r.right, std::min(r.bottom, r.top + w)}, c);
    FillRect({r.left, std::max(r.top, r.bottom - w), r.right, r.bottom}, c);
    FillRect({r.left, r.top + w, std::min(r.right, r.left + w), r.bottom - w}, c);
    FillRect({std::max(r.left, r.right - w), r.top + w, r.right, r.bottom - w}, c);
}

void QtCanvas::Ellipse(const Rect& r)
{
    if (r.IsEmpty())
        return;
    Flush();
    m_painter->save();
    const bool outline = m_pen.style != PenStyle::Null && !IsNoneColor(m_pen.color);
    m_painter->setPen(outline ? QPen(ToQColor(m_pen.color), m_pen.width > 1 ? m_pen.width : 0)
                              : QPen(Qt::NoPen));
    m_painter->setBrush(IsNoneColor(m_brush) ? QBrush(Qt::NoBrush) : QBrush(ToQColor(m_brush)));
    m_painter->drawEllipse(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    m_painter->restore();
}

void QtCanvas::Polygon(std::span<const Point> points)
{
    if (points.size() < 2)
        return;
    Flush();
    QPolygon polygon;
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    m_painter->save();
    const bool outline = m_pen.style != PenStyle::Null && !IsNoneColor(m_pen.color);
    m_painter->setPen(outline ? QPen(ToQColor(m_pen.color), m_pen.width > 1 ? m_pen.width : 0)
                              : QPen(Qt::NoPen));
    m_painter->setBrush(IsNoneColor(m_brush) ? QBrush(Qt::NoBrush) : QBrush(ToQColor(m_brush)));
    m_painter->drawPolygon(polygon);
    m_painter->restore();
}

void QtCanvas::XorPixels(const std::vector<QRect>& rects)
{
    Flush();
    m_painter->save();
    m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect& rect : rects)
        m_painter->fillRect(rect, Qt::white);
    m_painter->restore();
}

void QtCanvas::InvertRect(const Rect& rect)
{
    if (!rect.IsEmpty())
        XorPixels({ToQRect(rect)});
}

void QtCanvas::DrawFocusRect(const Rect& rect)
{
    XorPixels(FocusPixels(rect));
}

void QtCanvas::PushClip()
{
    m_clipStack.push_back(m_clip);
}

void QtCanvas::IntersectClip(const Rect& rect)
{
    Flush();
    m_clip = IntersectRects(m_clip, rect);
    m_painter->setClipRect(ToQRect(m_clip), Qt::ReplaceClip);
}

void QtCanvas::PopClip()
{
    if (m_clipStack.empty())
        return;
    Flush();
    m_clip = m_clipStack.back();
    m_clipStack.pop_back();
    m_painter->setClipRect(ToQRect(m_clip), Qt::ReplaceClip);
}

void QtCanvas::DrawPicture(const Picture& picture, int x, int y, Color blend)
{
    StretchPicture(picture, {x, y, x + picture.Width(), y + picture.Height()}, blend);
}

void QtCanvas::StretchPicture(const Picture& picture, const Rect& rect, Color blend)
{
    if (rect.IsEmpty())
        return;
    const QImage image = PictureImage(picture, blend);
    if (image.isNull()) {
        // Metafiles are not rendered: a frame shows where the picture stands.
        FrameRect(rect, kColorBtnShadow);
        return;
    }
    Flush();
    m_painter->drawImage(ToQRect(rect), image);
}

void QtCanvas::TilePicture(const Picture& picture, const Rect& area, Point origin)
{
    if (area.IsEmpty() || picture.Width() <= 0 || picture.Height() <= 0)
        return;
    const QImage image = PictureImage(picture, kColorNone);
    if (image.isNull()) {
        // Metafiles are not rendered: the whole area is framed once, as one placeholder.
        FrameRect(area, kColorBtnShadow);
        return;
    }
    // A texture brush repeats the image from the brush origin and touches only the area. The
    // origin is moved to the grid corner just above-left of the area, so that a document far
    // down does not hand the painter offsets beyond its precision.
    const auto nearCorner = [](int from, int start, int step) {
        const int64_t offset = (int64_t(start) - from) % step;
        return int(start - (offset < 0 ? offset + step : offset));
    };
    m_painter->save();
    m_painter->setBrushOrigin(nearCorner(origin.x, area.left, picture.Width()),
                              nearCorner(origin.y, area.top, picture.Height()));
    m_painter->fillRect(ToQRect(area), QBrush(image));
    m_painter->restore();
}

std::unique_ptr<Canvas> QtCanvas::CreateBuffer(int width, int height)
{
    return std::make_unique<QtImageCanvas>(width, height, m_ppiX, m_ppiY);
}

void QtCanvas::CopyBuffer(const Canvas& buffer, int x, int y)
{
    const auto* image = dynamic_cast<const QtImageCanvas*>(&buffer);
    if (!image)
        return;
    image->Flush();
    Flush();
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    m_painter->drawImage(QPoint(x, y), image->Image());
    m_painter->restore();
}

QtImageSurface::QtImageSurface(int width, int height)
    : m_image(std::clamp(width, 1, 32767), std::clamp(height, 1, 32767), QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
    m_imagePainter.begin(&m_image);
}

QtImageSurface::~QtImageSurface()
{
    m_imagePainter.end();
}

QtImageCanvas::QtImageCanvas(int width, int height, int ppiX, int ppiY)
    : QtImageSurface(width, height),
      QtCanvas(m_imagePainter, {m_image.width(), m_image.height()}, ppiX, ppiY)
{
}

} // namespace platform
