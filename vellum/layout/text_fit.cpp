#include "vellum/layout/text_fit.h"

#include "platform/text_walk.h"
#include "vellum/layout/text_measure.h"

#include <climits>

namespace vellum {
namespace {

constexpr char16_t kSoftHyphen = 0x00AD;

bool IsSoftHyphenAt(const FitQuery& query, int32_t index)
{
    return index >= 0 && size_t(index) < query.stored.size() && query.stored[size_t(index)] == kSoftHyphen;
}

// Width of the first N characters of the piece as the search measures it.
int32_t PrefixWidth(const RunWidths& widths, const FitQuery& query, int32_t n)
{
    int32_t width = widths.Width(query.from, n);
    if (n > 0 && IsSoftHyphenAt(query, query.from + n - 1))
        width += query.hyphenWidth;
    return width;
}

int32_t InterpolationSearch(const RunWidths& widths, const FitQuery& query, int32_t fullWidth)
{
    int32_t lo = 0, loWidth = 0, hi = query.remaining, hiWidth = fullWidth;
    while (lo + 1 < hi) {
        int64_t divisor = hiWidth == loWidth ? 1 : int64_t(hiWidth) - loWidth;
        int64_t guess = lo + (int64_t(query.available) - loWidth) * (hi - lo) / divisor;
        int32_t n = int32_t(std::clamp<int64_t>(guess, lo + 1, hi - 1));
        int32_t width = PrefixWidth(widths, query, n);
        if (width == query.available) {
            lo = hi = n;
        } else if (width < query.available && width > 0) {
            lo = n;
            loWidth = width;
        } else {
            hi = n;
            hiWidth = width;
        }
    }
    return lo;
}

// UTF-16: a fit never ends between the halves of a surrogate pair; the longer prefix is taken
// when it still fits. Byte text: a fit inside a double-byte character moves back.
int32_t ToCharBoundary(const RunWidths& widths, const FitQuery& query, int32_t fit)
{
    const int32_t pos = query.from + fit;
    const int32_t start = widths.StartAtOrBefore(query.from, pos);
    if (start == pos)
        return fit;
    if (!query.stored.empty()) {
        const int32_t longer = std::min(widths.StartAfter(query.from, pos) - query.from, query.remaining);
        if (PrefixWidth(widths, query, longer) <= query.available)
            return longer;
    }
    return start - query.from;
}

} // namespace

void RunWidths::Measure(platform::Canvas& canvas, std::string_view display, bool unicode,
                        platform::CodePage codePage)
{
    const int32_t count = CharCount(display, unicode);
    m_right.assign(size_t(count), 0);
    m_display = display;
    m_unicode = unicode;
    m_codePage = codePage;
    m_doubleByte = !unicode && platform::IsDoubleByteCodePage(platform::ResolveCodePage(codePage));
    if (count > 0)
        FitRun(canvas, display, count, INT_MAX, unicode, m_right);
}

int32_t RunWidths::Width(int32_t from, int32_t count) const
{
    if (count <= 0)
        return 0;
    const int before = from > 0 ? m_right[size_t(from - 1)] : 0;
    return m_right[size_t(from + count - 1)] - before;
}

int32_t RunWidths::StartAtOrBefore(int32_t from, int32_t pos) const
{
    if (pos >= Count() || pos <= from)
        return pos;
    if (m_unicode) {
        const auto unit = [this](int32_t i) {
            return char16_t(uint8_t(m_display[2 * size_t(i)]) | uint8_t(m_display[2 * size_t(i) + 1]) << 8);
        };
        return platform::IsLowSurrogate(unit(pos)) && platform::IsHighSurrogate(unit(pos - 1)) ? pos - 1 : pos;
    }
    if (!m_doubleByte)
        return pos;
    size_t start = size_t(from);
    for (size_t next = start; next <= size_t(pos); next = platform::NextCharBoundary(m_codePage, m_display, next))
        start = next;
    return int32_t(start);
}

int32_t RunWidths::StartAfter(int32_t from, int32_t pos) const
{
    if (pos >= Count())
        return Count();
    const int32_t start = StartAtOrBefore(from, pos);
    if (m_unicode)
        return start + (StartAtOrBefore(start, start + 1) == start ? 2 : 1);
    return int32_t(platform::NextCharBoundary(m_codePage, m_display, size_t(start)));
}

int32_t FitCharacters(const RunWidths& widths, const FitQuery& query)
{
    if (query.remaining <= 0)
        return 0;
    const int32_t fullWidth = widths.Width(query.from, query.remaining);
    if (!query.checkWidth || (fullWidth <= query.available && fullWidth >= 0))
        return query.remaining;
    int32_t fit = InterpolationSearch(widths, query, fullWidth);
    if (fit > 0 && fit < query.remaining && IsSoftHyphenAt(query, query.from + fit))
        --fit;
    return ToCharBoundary(widths, query, fit);
}

} // namespace vellum
