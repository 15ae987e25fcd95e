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
    if (widths.IsCharStart(query.from + fit))
        return fit;
    if (!query.stored.empty()) {
        int32_t longer = fit + 1;
        while (longer < query.remaining && !widths.IsCharStart(query.from + longer))
            ++longer;
        if (PrefixWidth(widths, query, longer) <= query.available)
            return longer;
    }
    while (fit > 0 && !widths.IsCharStart(query.from + fit))
        --fit;
    return fit;
}

} // namespace

void RunWidths::Measure(platform::Canvas& canvas, std::string_view display, bool unicode,
                        platform::CodePage codePage)
{
    const int32_t count = CharCount(display, unicode);
    m_right.assign(size_t(count), 0);
    m_inside.clear();
    if (count == 0)
        return;
    FitRun(canvas, display, count, INT_MAX, unicode, m_right);
    if (unicode) {
        for (int32_t i = 1; i < count; ++i) {
            const char16_t c = char16_t(uint8_t(display[2 * i]) | uint8_t(display[2 * i + 1]) << 8);
            const char16_t prev = char16_t(uint8_t(display[2 * i - 2]) | uint8_t(display[2 * i - 1]) << 8);
            if (!platform::IsLowSurrogate(c) || !platform::IsHighSurrogate(prev))
                continue;
            if (m_inside.empty())
                m_inside.assign(size_t(count), false);
            m_inside[size_t(i)] = true;
        }
        return;
    }
    if (!platform::IsDoubleByteCodePage(platform::ResolveCodePage(codePage)))
        return;
    m_inside.assign(size_t(count), true);
    for (size_t pos = 0; pos < size_t(count);) {
        m_inside[pos] = false;
        pos = platform::NextCharBoundary(codePage, display, pos);
    }
}

int32_t RunWidths::Width(int32_t from, int32_t count) const
{
    if (count <= 0)
        return 0;
    const int before = from > 0 ? m_right[size_t(from - 1)] : 0;
    return m_right[size_t(from + count - 1)] - before;
}

bool RunWidths::IsCharStart(int32_t pos) const
{
    return pos >= Count() || m_inside.empty() || !m_inside[size_t(pos)];
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
