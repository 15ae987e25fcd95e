// How many characters of a text item fit on a line. The item's display text is measured once
// (the right edge of every code unit), so every prefix width the search asks for is a
// subtraction, and a line looks only at its own characters.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/codepage.h"

namespace vellum {

class RunWidths {
public:
    // Measures DISPLAY (UTF-16LE bytes when UNICODE, else code-page bytes) on CANVAS, whose
    // font is the run's. DISPLAY must stay alive while the widths are used.
    void Measure(platform::Canvas& canvas, std::string_view display, bool unicode,
                 platform::CodePage codePage);
    int32_t Count() const { return int32_t(m_right.size()); }
    // Width of COUNT characters from FROM (0-based code units).
    int32_t Width(int32_t from, int32_t count) const;
    // The character start at or before POS, and the first one after POS, where FROM is a
    // character start at or before POS. Double-byte text is walked forward from FROM, never
    // back: looking back from deep inside such text cannot tell lead from trail bytes cheaply.
    int32_t StartAtOrBefore(int32_t from, int32_t pos) const;
    int32_t StartAfter(int32_t from, int32_t pos) const;

private:
    std::vector<int> m_right; // cumulative right edge per code unit
    std::string_view m_display;
    bool m_unicode = false;
    bool m_doubleByte = false;
    platform::CodePage m_codePage = 0;
};

struct FitQuery {
    int32_t from = 0;      // first code unit of the piece
    int32_t remaining = 0; // R: code units left
    int32_t available = 0; // pixels
    bool checkWidth = true;        // false for no-wrap paragraphs and with wrapping off
    // Soft hyphens of the stored UTF-16 text (shown as zero-width spaces): a prefix ending in
    // one is measured with a hyphen after it. Empty for byte text.
    std::u16string_view stored;
    int32_t hyphenWidth = 0;
};

// The number of the next characters that fit (interpolation search over the measured widths),
// moved to a character boundary.
int32_t FitCharacters(const RunWidths& widths, const FitQuery& query);

} // namespace vellum
