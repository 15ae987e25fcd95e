#include "vellum/layout/layout_dump.h"

#include <cstdio>

#include "platform/codepage.h"
#include "vellum/layout/custom_rv_formatted_data.h"

namespace vellum {
namespace {

bool IsInvisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           c == 0x2060 || c == 0xFEFF;
}

void AppendEscaped(std::string& out, std::u16string_view text)
{
    out += '"';
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += char(c);
        } else if (IsInvisible(c)) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\u{%04X}", unsigned(c));
            out += buffer;
        } else {
            out += platform::ToUtf8(text.substr(i, 1 + (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())));
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
                ++i;
        }
    }
    out += '"';
}

// The characters a text piece shows, as UTF-16.
std::u16string PieceText(const TCustomRVFormattedData& data, const TRVDrawLineInfo& piece)
{
    const TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
    const size_t start = size_t(piece.TextStart - 1);
    const size_t length = size_t(piece.TextLength);
    if (item.UnicodeText()) {
        std::u16string out(length, u'\0');
        for (size_t k = 0; k < length && 2 * (start + k) + 1 < item.Text.size(); ++k)
            out[k] = char16_t(uint8_t(item.Text[2 * (start + k)]) | uint8_t(item.Text[2 * (start + k) + 1]) << 8);
        return out;
    }
    const std::string_view bytes = std::string_view(item.Text).substr(std::min(start, item.Text.size()), length);
    return platform::ToUtf16(bytes, data.CodePageOfStyle(data.EffectiveStyleNo(item)));
}

void AppendDrawItem(std::string& out, const TCustomRVFormattedData& data, int32_t index, int32_t baseline)
{
    const TRVDrawLineInfo& piece = data.DrawItems()[index];
    const TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
    out += "d" + std::to_string(index) + " item=" + std::to_string(piece.ItemNo);
    if (item.StyleNo >= 0)
        out += " text=" + std::to_string(piece.TextStart) + "+" + std::to_string(piece.TextLength);
    else
        out += " kind=" + std::to_string(item.StyleNo);
    out += " left=" + std::to_string(piece.Left) + " top=" + std::to_string(piece.Top) +
           " width=" + std::to_string(piece.Width) + " height=" + std::to_string(piece.Height) +
           " baseline=" + std::to_string(baseline);
    if (piece.IsFirstOfLine())
        out += " line";
    if (piece.GapBefore || piece.GapAbove || piece.GapBelow)
        out += " gaps=" + std::to_string(piece.GapBefore) + "," + std::to_string(piece.GapAbove) + "," +
               std::to_string(piece.GapBelow);
    if (item.StyleNo >= 0) {
        out += ' ';
        AppendEscaped(out, PieceText(data, piece));
    }
    out += '\n';
}

} // namespace

std::string LayoutDocumentLine(const TCustomRVFormattedData& data)
{
    return "document client=" + std::to_string(data.GetClientWidth()) + " width=" +
           std::to_string(data.DocumentWidth()) + " text-width=" + std::to_string(data.TextWidth()) +
           " height=" + std::to_string(data.DocumentHeight());
}

std::string LayoutDump(const TCustomRVFormattedData& data)
{
    std::string out = LayoutDocumentLine(data) + "\n";
    const auto& lines = data.Lines();
    size_t line = 0;
    for (int32_t i = 0; i < data.DrawItems().Count(); ++i) {
        while (line + 1 < lines.size() && lines[line + 1].firstDrawItemNo <= i)
            ++line;
        AppendDrawItem(out, data, i, line < lines.size() ? lines[line].baseline : 0);
    }
    return out;
}

std::string LayoutSummary(const TCustomRVFormattedData& data, double formatMs)
{
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.1f", formatMs);
    return LayoutDocumentLine(data) + " draw-items=" + std::to_string(data.DrawItems().Count()) +
           " lines=" + std::to_string(data.Lines().size()) + " format-ms=" + ms;
}

} // namespace vellum
