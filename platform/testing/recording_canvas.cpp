#include "platform/testing/recording_canvas.h"

#include "platform/qt/byte_chars.h"
#include "platform/checked_math.h"
#include "platform/text_walk.h"

#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x10000;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string Utf8(std::u16string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string Format(const char* format, int a, int b)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

const char* PictureKind(const Picture& picture)
{
    switch (picture.Format()) {
    case PictureFormat::Bitmap: return "bitmap";
    case PictureFormat::Icon: return "icon";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Metafile: return "metafile";
    case PictureFormat::EnhancedMetafile: return "emf";
    }
    return "?";
}

std::string BlendText(Color blend)
{
    return IsNoneColor(blend) ? std::string() : " blend=" + RecordingCanvas::ColorText(blend);
}

} // namespace

RecordingCanvas::RecordingCanvas(int width, int height, int ppiX, int ppiY)
    : m_width(width), m_height(height), m_ppiX(ppiX), m_ppiY(ppiY),
      m_clip{0, 0, width, height}
{
}

std::string RecordingCanvas::Dump() const
{
    std::string out;
    for (const std::string& line : m_log)
        out += line + '\n';
    return out;
}

int RecordingCanvas::EmSize() const
{
    const int request = FontHeightRequest(m_font, m_ppiY);
    const int em = request < 0 ? -request : request * 4 / 5;
    return std::max(1, em);
}

int RecordingCanvas::AdvanceOf(char32_t c) const
{
    if (IsZeroWidthChar(c))
        return 0;
    const int narrow = m_font.width > 0 ? m_font.width : std::max(1, EmSize() / 2);
    return IsWide(c) ? 2 * narrow : narrow;
}

FontMetrics RecordingCanvas::GetFontMetrics()
{
    ++m_counters->metricReads;
    return Metrics();
}

FontMetrics RecordingCanvas::Metrics() const
{
    const int s = EmSize();
    FontMetrics m;
    m.ascent = s;
    m.descent = s / 4;
    m.height = m.ascent + m.descent;
    m.internalLeading = s / 4;
    m.externalLeading = s / 8;
    m.aveCharWidth = AdvanceOf(u'x');
    m.maxCharWidth = 2 * m.aveCharWidth;
    m.weight = (m_font.style & fsBold) ? 700 : 400;
    m.charset = m_font.charset;
    return m;
}

bool RecordingCanvas::GetOutlineMetrics(OutlineMetrics& metrics)
{
    ++m_counters->metricReads;
    if (!m_hasOutlineMetrics)
        return false;
    const int s = EmSize();
    metrics = OutlineMetrics{};
    metrics.subscriptSizeX = metrics.subscriptSizeY = s * 2 / 3;
    metrics.superscriptSizeX = metrics.superscriptSizeY = s * 2 / 3;
    metrics.subscriptOffsetY = s / 5;
    metrics.superscriptOffsetY = s * 2 / 5;
    metrics.underscoreSize = metrics.strikeoutSize = std::max(1, s / 12);
    metrics.underscorePosition = -std::max(1, s / 8);
    metrics.strikeoutPosition = s * 3 / 10;
    return true;
}

int RecordingCanvas::FitText(std::string_view bytes, int maxExtent, std::span<int> positions,
                             Size* extent)
{
    CountMeasuring(bytes.size());
    if (!positions.empty() && positions.size() != bytes.size())
        return 0;
    TextWalker walker(m_spacing, maxExtent, positions, {});
    ByteChars& chars = ByteChars::ForFont(m_font.charset, m_font.face);
    const TextWalkResult result = WalkBytes(bytes, chars, walker, extent == nullptr,
                                            [this](char32_t c) { return AdvanceOf(c); });
    if (extent)
        *extent = {result.width, Metrics().height};
    return result.fit;
}

int RecordingCanvas::FitTextW(std::u16string_view text, int maxExtent, std::span<int> positions,
                              Size* extent)
{
    CountMeasuring(text.size());
    if (!positions.empty() && positions.size() != text.size())
        return 0;
    TextWalker walker(m_spacing, maxExtent, positions, {});
    const TextWalkResult result = WalkUtf16(text, walker, extent == nullptr,
                                            [this](char32_t c) { return AdvanceOf(c); });
    if (extent)
        *extent = {result.width, Metrics().height};
    return result.fit;
}

bool RecordingCanvas::CaretPositions(std::string_view bytes, std::span<int> carets)
{
    CountMeasuring(bytes.size());
    if (carets.size() != bytes.size() + 1)
        return false;
    TextWalker walker(m_spacing, 0, {}, carets);
    WalkBytes(bytes, ByteChars::ForFont(m_font.charset, m_font.face), walker, false,
              [this](char32_t c) { return AdvanceOf(c); });
    return true;
}

bool RecordingCanvas::CaretPositionsW(std::u16string_view text, std::span<int> carets)
{
    CountMeasuring(text.size());
    if (carets.size() != text.size() + 1)
        return false;
    TextWalker walker(m_spacing, 0, {}, carets);
    WalkUtf16(text, walker, false, [this](char32_t c) { return AdvanceOf(c); });
    return true;
}

void RecordingCanvas::CountMeasuring(size_t units)
{
    ++m_counters->measuringCalls;
    m_counters->charactersMeasured += int64_t(units);
}

std::string RecordingCanvas::ColorText(Color color)
{
    if (IsNoneColor(color))
        return "none";
    char buffer[16];
    if (IsSystemColor(color))
        std::snprintf(buffer, sizeof buffer, "sys%u", unsigned(uint32_t(color) & 0xFFFFFFu));
    else
        std::snprintf(buffer, sizeof buffer, "#%06X", unsigned(uint32_t(color) & 0xFFFFFFu));
    return buffer;
}

std::string RecordingCanvas::RectText(const Rect& rect)
{
    return Format("%d,%d", rect.left, rect.top) + "," + Format("%d,%d", rect.right, rect.bottom);
}

std::string RecordingCanvas::PenText() const
{
    std::string text = "pen=" + ColorText(m_pen.color) + "/" + std::to_string(m_pen.width);
    switch (m_pen.style) {
    case PenStyle::Solid: break;
    case PenStyle::Dot: text += "/dot"; break;
    case PenStyle::Dash: text += "/dash"; break;
    case PenStyle::DashDot: text += "/dashdot"; break;
    case PenStyle::Null: text += "/null"; break;
    }
    return text;
}

std::string RecordingCanvas::FontText() const
{
    std::string text = "font=" + Utf8(m_font.face) + "/" +
                       std::to_string(FontHeightRequest(m_font, m_ppiY));
    if (m_font.style != 0) {
        text += "/";
        const char* letters = "BIUS";
        for (int bit = 0; bit < 4; ++bit) {
            if (m_font.style & (1u << bit))
                text += letters[bit];
        }
    }
    if (m_font.width != 0)
        text += "/w" + std::to_string(m_font.width);
    if (m_font.charset != 1)
        text += " cs=" + std::to_string(m_font.charset);
    return text;
}

void RecordingCanvas::RecordText(const char* kind, int x, int y, const std::u16string& shown,
                                 std::span<const int> advances)
{
    std::string line = std::string(kind) + " " + Format("%d,%d", x, y) + " \"" + Utf8(shown) +
                       "\" " + FontText() + " color=" + ColorText(m_textColor) +
                       " back=" + ColorText(m_textBack);
    if (m_spacing != 0)
        line += " spacing=" + std::to_string(m_spacing);
    if (m_order == ReadingOrder::RightToLeft)
        line += " rtl";
    if (!advances.empty()) {
        line += " adv=";
        for (size_t i = 0; i < advances.size(); ++i)
            line += (i ? "," : "") + std::to_string(advances[i]);
    }
    m_log.push_back(std::move(line));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view bytes, std::span<const int> advances)
{
    const std::u16string shown = ByteChars::ForFont(m_font.charset, m_font.face).ToUtf16(bytes);
    RecordText("textA", x, y, shown, advances);
}

void RecordingCanvas::TextOutW(int x, int y, std::u16string_view text,
                               std::span<const int> advances)
{
    RecordText("textW", x, y, std::u16string(text), advances);
}

void RecordingCanvas::FillRect(const Rect& rect, Color color)
{
    m_log.push_back("fill " + RectText(rect) + " " + ColorText(color));
}

void RecordingCanvas::FrameRect(const Rect& rect, Color color)
{
    m_log.push_back("frame " + RectText(rect) + " " + ColorText(color));
}

void RecordingCanvas::Line(Point from, Point to)
{
    m_log.push_back("line " + RectText({from.x, from.y, to.x, to.y}) + " " + PenText());
}

void RecordingCanvas::Rectangle(const Rect& rect)
{
    m_log.push_back("rect " + RectText(rect) + " " + PenText() + " brush=" + ColorText(m_brush));
}

void RecordingCanvas::Ellipse(const Rect& rect)
{
    m_log.push_back("ellipse " + RectText(rect) + " " + PenText() +
                    " brush=" + ColorText(m_brush));
}

void RecordingCanvas::Polygon(std::span<const Point> points)
{
    std::string line = "polygon";
    for (const Point& p : points)
        line += " " + Format("%d,%d", p.x, p.y);
    m_log.push_back(line + " " + PenText() + " brush=" + ColorText(m_brush));
}

void RecordingCanvas::InvertRect(const Rect& rect)
{
    m_log.push_back("invert " + RectText(rect));
}

void RecordingCanvas::DrawFocusRect(const Rect& rect)
{
    m_log.push_back("focus " + RectText(rect));
}

void RecordingCanvas::PushClip()
{
    m_clipStack.push_back(m_clip);
    m_log.push_back("clip push");
}

void RecordingCanvas::IntersectClip(const Rect& rect)
{
    m_clip = IntersectRects(m_clip, rect);
    m_log.push_back("clip " + RectText(rect) + " -> " + RectText(m_clip));
}

void RecordingCanvas::PopClip()
{
    if (m_clipStack.empty())
        return;
    m_clip = m_clipStack.back();
    m_clipStack.pop_back();
    m_log.push_back("clip pop");
}

void RecordingCanvas::DrawPicture(const Picture& picture, int x, int y, Color blend)
{
    m_log.push_back("picture " + Format("%d,%d", x, y) + " " +
                    Format("%dx%d", picture.Width(), picture.Height()) + " " +
                    PictureKind(picture) + BlendText(blend));
}

void RecordingCanvas::StretchPicture(const Picture& picture, const Rect& rect, Color blend)
{
    m_log.push_back("stretch " + RectText(rect) + " " +
                    Format("%dx%d", picture.Width(), picture.Height()) + " " +
                    PictureKind(picture) + BlendText(blend));
}

void RecordingCanvas::TilePicture(const Picture& picture, const Rect& area, Point origin)
{
    if (area.IsEmpty() || picture.Width() <= 0 || picture.Height() <= 0)
        return;
    m_log.push_back("tile " + RectText(area) + " " +
                    Format("%dx%d", picture.Width(), picture.Height()) + " " +
                    PictureKind(picture) + " origin=" + Format("%d,%d", origin.x, origin.y));
}

std::unique_ptr<Canvas> RecordingCanvas::CreateBuffer(int width, int height)
{
    auto buffer = std::make_unique<RecordingCanvas>(width, height, m_ppiX, m_ppiY);
    buffer->m_hasOutlineMetrics = m_hasOutlineMetrics;
    buffer->m_counters = m_counters;
    return buffer;
}

void RecordingCanvas::CopyBuffer(const Canvas& buffer, int x, int y)
{
    const Size size = buffer.SurfaceSize();
    m_log.push_back("copy " + Format("%dx%d", size.cx, size.cy) + " at " + Format("%d,%d", x, y));
    const auto* recorded = dynamic_cast<const RecordingCanvas*>(&buffer);
    if (!recorded)
        return;
    for (const std::string& line : recorded->Log())
        m_log.push_back("> " + line);
}

} // namespace platform
