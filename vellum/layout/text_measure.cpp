#include "vellum/layout/text_measure.h"

#include "platform/char_case.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/style/font_info.h"
#include "vellum/style/rv_style.h"

#include <algorithm>

namespace vellum {
namespace {

constexpr char16_t kZeroWidthSpace = u'\u200B';
constexpr char16_t kWordJoiner = u'\u2060';
constexpr char16_t kSoftHyphen = u'\u00AD';
constexpr char16_t kNotSign = u'\u00AC';
constexpr char16_t kNonBreakingHyphen = u'\u2011';

bool IsZeroWidth(char16_t c)
{
    return c == kZeroWidthSpace || c == kWordJoiner;
}

// The first COUNT characters of TEXT, COUNT clamped to what the text holds.
size_t ClampCount(std::string_view text, int count, bool unicode)
{
    return size_t(std::clamp(count, 0, CharCount(text, unicode)));
}

std::u16string Units(std::string_view text, size_t count)
{
    return BytesToUtf16(text.substr(0, 2 * count));
}

platform::CodePage CodePageOf(const TFontInfo& style)
{
    const TCustomRVInfos* table = style.Collection();
    if (table && table->Owner())
        return table->Owner()->CharsetCodePage(style.Charset);
    return platform::CodePageOfCharset(style.Charset);
}

// Step 2 of the display form, for one character of Unicode text.
char16_t DisplayChar(char16_t c, bool last, bool keepTrailingSoftHyphen, bool showSpecialCharacters)
{
    if (c == kNonBreakingHyphen)
        return u'-';
    if (c != kSoftHyphen)
        return c;
    if (showSpecialCharacters)
        return kNotSign;
    return last && keepTrailingSoftHyphen ? kSoftHyphen : kZeroWidthSpace;
}

TRVRawByteString UnicodeDisplayText(std::string_view text, const TFontInfo& style,
                                    bool keepTrailingSoftHyphen, bool removeZeroWidth,
                                    bool showSpecialCharacters)
{
    std::u16string units = BytesToUtf16(text);
    if (style.StyleEx.Contains(rvfsAllCaps))
        units = platform::UpperCaseUtf16(units);
    std::u16string shown;
    shown.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t c =
            DisplayChar(units[i], i + 1 == units.size(), keepTrailingSoftHyphen, showSpecialCharacters);
        if (!(removeZeroWidth && IsZeroWidth(c)))
            shown += c;
    }
    TRVRawByteString bytes = Utf16ToBytes(shown);
    // An odd last byte is no character; it stays where it was.
    if (text.size() % 2 != 0)
        bytes += text.back();
    return bytes;
}

// Whether any character of the UTF-16LE TEXT has a display form of its own.
bool HasDisplayChanges(std::string_view text, bool removeZeroWidth)
{
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const char16_t c = char16_t(uint8_t(text[i]) | (uint8_t(text[i + 1]) << 8));
        if (c == kSoftHyphen || c == kNonBreakingHyphen || (removeZeroWidth && IsZeroWidth(c)))
            return true;
    }
    return false;
}

int CountZeroWidth(std::u16string_view units, char16_t which)
{
    return int(std::count(units.begin(), units.end(), which));
}

// Takes out the room that zero-width characters got in per-code-unit right edges.
bool RemoveZeroWidthAdvances(std::u16string_view units, std::span<int> positions)
{
    int shift = 0;
    int previous = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        const int original = positions[i];
        if (IsZeroWidth(units[i]))
            shift += original - previous;
        previous = original;
        positions[i] = original - shift;
    }
    return shift != 0;
}

int FitUnicode(platform::Canvas& canvas, std::u16string_view units, int maxExtent,
               std::span<int> positions)
{
    const bool hasZeroWidth = std::any_of(units.begin(), units.end(), IsZeroWidth);
    if (!hasZeroWidth)
        return canvas.FitTextW(units, maxExtent, positions);
    // Zero-width characters need the edges, asked for or not.
    std::vector<int> temporary;
    if (positions.empty()) {
        temporary.resize(units.size());
        positions = temporary;
    }
    int fit = canvas.FitTextW(units, maxExtent, positions);
    if (!RemoveZeroWidthAdvances(units, positions))
        return fit;
    while (size_t(fit) < units.size() && positions[size_t(fit)] <= maxExtent)
        ++fit;
    return fit;
}

} // namespace

int CharCount(std::string_view text, bool unicode)
{
    const size_t count = unicode ? text.size() / 2 : text.size();
    return int(std::min<size_t>(count, INT32_MAX));
}

TRVRawByteString MakeDisplayText(std::string_view text, const TFontInfo& textStyle,
                                 bool keepTrailingSoftHyphen, bool removeZeroWidth,
                                 bool showSpecialCharacters)
{
    TRVRawByteString buffer;
    return TRVRawByteString(MakeDisplayText(text, textStyle, keepTrailingSoftHyphen, removeZeroWidth,
                                            showSpecialCharacters, buffer));
}

std::string_view MakeDisplayText(std::string_view text, const TFontInfo& textStyle,
                                 bool keepTrailingSoftHyphen, bool removeZeroWidth,
                                 bool showSpecialCharacters, TRVRawByteString& buffer)
{
    const bool allCaps = textStyle.StyleEx.Contains(rvfsAllCaps);
    if (textStyle.Unicode) {
        if (!allCaps && !HasDisplayChanges(text, removeZeroWidth))
            return text;
        buffer = UnicodeDisplayText(text, textStyle, keepTrailingSoftHyphen, removeZeroWidth,
                                    showSpecialCharacters);
        return buffer;
    }
    if (!allCaps)
        return text;
    buffer = platform::UpperCaseBytes(text, CodePageOf(textStyle));
    return buffer;
}

int MeasureRun(platform::Canvas& canvas, std::string_view text, bool unicode)
{
    return MeasureRunSize(canvas, text, CharCount(text, unicode), unicode).cx;
}

platform::Size MeasureRunSize(platform::Canvas& canvas, std::string_view text, int charCount,
                              bool unicode)
{
    const size_t count = ClampCount(text, charCount, unicode);
    if (!unicode)
        return canvas.TextExtent(text.substr(0, count));
    const std::u16string units = Units(text, count);
    platform::Size size = canvas.TextExtentW(units);
    // Each zero-width kind is measured once, and only when the run holds it.
    for (const char16_t which : {kZeroWidthSpace, kWordJoiner}) {
        const int n = CountZeroWidth(units, which);
        if (n > 0)
            size.cx -= n * canvas.TextExtentW(std::u16string_view(&which, 1)).cx;
    }
    return size;
}

int FitRun(platform::Canvas& canvas, std::string_view text, int charCount, int maxExtent,
           bool unicode, std::span<int> positions)
{
    const size_t count = ClampCount(text, charCount, unicode);
    if (count == 0)
        return 0;
    // The canvas wants one entry per code unit of the run; a shorter array gets what fits.
    std::vector<int> own;
    std::span<int> edges = positions.first(std::min(positions.size(), count));
    if (!edges.empty() && edges.size() < count) {
        own.resize(count);
        edges = own;
    }
    const int fit = unicode ? FitUnicode(canvas, Units(text, count), maxExtent, edges)
                            : canvas.FitText(text.substr(0, count), maxExtent, edges);
    if (!own.empty())
        std::copy_n(own.begin(), positions.size(), positions.begin());
    return std::min(fit, int(count));
}

bool GetCaretPositions(platform::Canvas& canvas, std::string_view text, bool unicode,
                       std::vector<int>& carets)
{
    const size_t count = size_t(CharCount(text, unicode));
    carets.assign(count + 1, 0);
    bool placed = false;
    if (!unicode) {
        placed = canvas.CaretPositions(text.substr(0, count), carets);
    } else {
        const std::u16string units = Units(text, count);
        placed = canvas.CaretPositionsW(units, carets);
        // Boundary i + 1 is the right edge of unit i.
        if (placed)
            RemoveZeroWidthAdvances(units, std::span<int>(carets).subspan(1));
    }
    if (!placed)
        carets.clear();
    return placed;
}

} // namespace vellum
