// A selected font as the Qt canvas measures and draws it: a fallback chain of raw fonts of our
// own choosing (the face, its substitutes, a CJK face, a symbol face), whole-pixel advances
// taken from the first member that has each character, and the metrics the engine reads.
// Measuring a character is a table look-up; drawing places the same glyphs at the same
// advances, so measurement and drawing cannot disagree.
#pragma once

#include "platform/canvas.h"

#include <QRawFont>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace platform {

class QtFont {
public:
    // the font request at a device of PPIY pixels per inch. Needs a QGuiApplication.
    QtFont(const FontSpec& fontSpec, int ppiY);

    struct Glyph {
        int member = -1; // index into Members(); -1: nothing to draw
        quint32 index = 0;
    };

    // Advance in whole pixels, letter spacing not included.
    int Advance(char32_t c)
    {
        if (c < 0x10000) {
            const Page* page = m_pages[c >> 8].get();
            if (page && page->advance[c & 0xFF] != kUnresolved)
                return page->advance[c & 0xFF];
        }
        return SlowAdvance(c);
    }
    Glyph GlyphOf(char32_t c);

    // The faces loaded so far; resolving a character may append more.
    const std::vector<QRawFont>& Members() const { return m_members; }
    // Installed families of the whole chain, in order (fallback faces not needed so far are
    // loaded for it).
    std::vector<QString> Families();
    const FontMetrics& Metrics() const { return m_metrics; }
    const std::optional<OutlineMetrics>& Outline() const { return m_outline; }
    // Horizontal scale of glyphs when the fontSpec asks for an explicit average width.
    double HorizontalScale() const { return m_scale; }
    int EmPixels() const { return m_em; }

private:
    static constexpr int16_t kUnresolved = -1;
    struct Page {
        std::array<int16_t, 256> advance{};
        std::array<Glyph, 256> glyph{};
    };
    struct Entry {
        int16_t advance = 0;
        Glyph glyph;
    };
    // What a member's ideographs advance by: hinting gives every ideograph of one design
    // advance the same whole-pixel advance, so one hinted glyph answers for all of them.
    struct IdeographAdvance {
        int designAdvance;
        int16_t advance;
    };
    struct MemberTables {
        bool read = false;
        QByteArray hmtx;
        int longMetrics = 0; // entries of hmtx with an advance of their own
        std::vector<IdeographAdvance> ideographs;
    };

    void BuildChain(const FontSpec& fontSpec);
    bool LoadNextMember();
    void ComputeMetrics(const FontSpec& fontSpec);
    int SlowAdvance(char32_t c);
    int WeightedLowercaseAverage();
    Entry ResolveSlot(char32_t c);
    Entry Resolve(char32_t c);
    Entry ResolveFrom(int member, quint32 glyph);
    Entry ResolveIdeograph(int member, quint32 glyph);
    int DesignAdvance(int member, quint32 glyph);

    std::vector<QRawFont> m_members;
    std::vector<QString> m_pending; // fallback families not loaded yet, the next one last
    FontStyles m_style = 0;
    std::vector<MemberTables> m_tables; // one per member, read on first need
    bool m_sharedIdeographs;
    int m_em = 0;
    double m_scale = 1.0;
    FontMetrics m_metrics;
    std::optional<OutlineMetrics> m_outline;
    std::array<std::unique_ptr<Page>, 256> m_pages;
    std::unordered_map<char32_t, Entry> m_astral;
};

// Fonts are shared by every canvas that selects the same parameters and live while any canvas
// uses them; the cache forgets unused fonts once it grows past a few hundred.
std::shared_ptr<QtFont> AcquireQtFont(const FontSpec& fontSpec, int ppiY);

// Drops every cached font (tests that measure cold start do this).
void ClearQtFontCache();

// Whether fonts made from now on let one hinted ideograph answer for every ideograph of the
// same design advance (the default) or hint each glyph for its advance; the font cache is
// emptied, and fonts that canvases still hold keep their way. Tests and benchmarks compare the two.
void SetSharedIdeographAdvances(bool shared);

} // namespace platform
