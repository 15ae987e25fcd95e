#include "platform/qt/qt_font.h"

#include "platform/checked_math.h"
#include "platform/codepage.h"
#include "platform/font_faces.h"
#include "platform/text_walk.h"

#include <QFont>
#include <QFontDatabase>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Sizes beyond this only come from damaged documents; rasterising them would cost memory for
// nothing on any screen.
constexpr int kMaxEmPixels = 1000;

QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

// The families to try for the font request, in order, without duplicates.
std::vector<QString> WantedFamilies(const FontSpec& fontSpec)
{
    std::vector<QString> wanted = {ToQString(fontSpec.face)};
    for (const std::u16string& family : SubstituteFamilies(fontSpec.face))
        wanted.push_back(ToQString(family));
    const bool symbolFirst = IsSymbolFace(fontSpec.face) || fontSpec.charset == kSymbolCharset;
    const auto& first = symbolFirst ? SymbolFallbackFamilies() : CjkFallbackFamilies();
    const auto& second = symbolFirst ? CjkFallbackFamilies() : SymbolFallbackFamilies();
    for (const std::u16string& family : first)
        wanted.push_back(ToQString(family));
    for (const std::u16string& family : second)
        wanted.push_back(ToQString(family));
    std::vector<QString> unique;
    for (const QString& family : wanted) {
        const bool seen = std::any_of(unique.begin(), unique.end(), [&](const QString& u) {
            return u.compare(family, Qt::CaseInsensitive) == 0;
        });
        if (!seen && !family.isEmpty())
            unique.push_back(family);
    }
    return unique;
}

QRawFont LoadRaw(const QString& family, int em, FontStyles style)
{
    QFont font(family);
    font.setPixelSize(em);
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font);
}

// Big-endian fields of an sfnt table; 0 past its end.
int ReadU16(const QByteArray& table, int offset)
{
    if (offset < 0 || offset + 2 > table.size())
        return 0;
    return (uint8_t(table[offset]) << 8) | uint8_t(table[offset + 1]);
}

int ReadI16(const QByteArray& table, int offset)
{
    return int16_t(uint16_t(ReadU16(table, offset)));
}

// The sfnt tables of the primary face that decide the metrics.
struct FaceTables {
    double unitsPerEm = 0;
    QByteArray os2;
    QByteArray hhea;
    QByteArray post;

    explicit FaceTables(const QRawFont& raw)
        : unitsPerEm(raw.unitsPerEm()), os2(raw.fontTable("OS/2")), hhea(raw.fontTable("hhea")),
          post(raw.fontTable("post"))
    {
    }
    bool HasOs2() const { return os2.size() >= 78 && unitsPerEm > 0; }
    int WinAscent() const { return ReadU16(os2, 74); }
    int WinDescent() const { return ReadU16(os2, 76); }
};

int Scale(double units, int em, double unitsPerEm)
{
    return int(std::lround(units * em / unitsPerEm));
}

int ScaleUp(double units, int em, double unitsPerEm)
{
    return int(std::ceil(units * em / unitsPerEm - 1e-6));
}

bool IsFormatChar(char32_t c)
{
    return (c >= 0x200B && c <= 0x200F) || c == 0x2060 || c == 0xFEFF;
}

// The unified and compatibility ideographs, in the basic and the supplementary planes.
bool IsIdeograph(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

bool g_sharedIdeographAdvances = true;

} // namespace

QtFont::QtFont(const FontSpec& fontSpec, int ppiY) : m_sharedIdeographs(g_sharedIdeographAdvances)
{
    const int request = FontHeightRequest(fontSpec, ppiY);
    m_em = request < 0 ? -request : request;
    if (m_em == 0)
        m_em = MulDiv(10, ppiY, 72);
    m_em = std::clamp(m_em, 1, kMaxEmPixels);
    BuildChain(fontSpec);
    if (request > 0 && !m_members.empty()) {
        // A cell height: find the em size whose ascent plus descent makes that cell.
        const FaceTables tables(m_members.front());
        const int cell = tables.WinAscent() + tables.WinDescent();
        if (tables.HasOs2() && cell > 0) {
            m_em = std::clamp(int(std::lround(request * tables.unitsPerEm / cell)), 1, kMaxEmPixels);
            BuildChain(fontSpec);
        }
    }
    ComputeMetrics(fontSpec);
}

// Only the primary face is loaded here; fallback faces follow when a character needs them, so
// that a face nobody's text reaches costs nothing (large CJK collections take milliseconds).
void QtFont::BuildChain(const FontSpec& fontSpec)
{
    m_members.clear();
    m_tables.clear();
    m_style = fontSpec.style;
    m_pending = WantedFamilies(fontSpec);
    std::reverse(m_pending.begin(), m_pending.end());
    if (LoadNextMember())
        return;
    // Nothing we know is installed: take whatever the system's default face is.
    QRawFont raw = LoadRaw(QFont().family(), m_em, fontSpec.style);
    if (raw.isValid()) {
        m_members.push_back(raw);
        m_tables.resize(m_members.size());
    }
}

bool QtFont::LoadNextMember()
{
    while (!m_pending.empty()) {
        const QString family = m_pending.back();
        m_pending.pop_back();
        if (!QFontDatabase::hasFamily(family))
            continue;
        QRawFont raw = LoadRaw(family, m_em, m_style);
        if (!raw.isValid())
            continue;
        const bool duplicate = std::any_of(m_members.begin(), m_members.end(), [&](const QRawFont& m) {
            return m.familyName() == raw.familyName() && m.styleName() == raw.styleName();
        });
        if (duplicate)
            continue;
        m_members.push_back(raw);
        m_tables.resize(m_members.size());
        return true;
    }
    return false;
}

void QtFont::ComputeMetrics(const FontSpec& fontSpec)
{
    m_metrics = FontMetrics{};
    m_metrics.weight = (fontSpec.style & fsBold) ? 700 : 400;
    m_metrics.charset = fontSpec.charset;
    if (m_members.empty())
        return;
    const QRawFont& primary = m_members.front();
    const FaceTables t(primary);
    const double upm = t.unitsPerEm;
    int naturalAverage = 0;
    if (t.HasOs2()) {
        m_metrics.ascent = ScaleUp(t.WinAscent(), m_em, upm);
        m_metrics.descent = ScaleUp(t.WinDescent(), m_em, upm);
        if (ReadU16(t.os2, 0) <= 2)
            naturalAverage = Scale(ReadI16(t.os2, 2), m_em, upm);
        const int hheaHeight = ReadI16(t.hhea, 4) - ReadI16(t.hhea, 6);
        const int gap = ReadI16(t.hhea, 8) - (t.WinAscent() + t.WinDescent() - hheaHeight);
        m_metrics.externalLeading = std::max(0, Scale(gap, m_em, upm));
    } else {
        m_metrics.ascent = int(std::ceil(primary.ascent()));
        m_metrics.descent = int(std::ceil(primary.descent()));
        m_metrics.externalLeading = std::max(0, int(std::lround(primary.leading())));
    }
    if (naturalAverage <= 0)
        naturalAverage = WeightedLowercaseAverage();
    if (fontSpec.width > 0)
        m_scale = double(fontSpec.width) / naturalAverage;
    // Advances depend on the scale: any looked up above are stale.
    for (auto& page : m_pages)
        page.reset();
    m_astral.clear();
    m_metrics.height = m_metrics.ascent + m_metrics.descent;
    m_metrics.internalLeading = std::max(0, m_metrics.height - m_em);
    m_metrics.aveCharWidth = fontSpec.width > 0 ? fontSpec.width : naturalAverage;
    const int maxUnits = ReadU16(t.hhea, 10);
    m_metrics.maxCharWidth = maxUnits > 0 && upm > 0
                                 ? int(std::lround(maxUnits * m_em / upm * m_scale))
                                 : int(std::lround(primary.maxCharWidth() * m_scale));
    if (!t.HasOs2() || t.os2.size() < 30)
        return;
    OutlineMetrics o;
    o.subscriptSizeX = Scale(ReadI16(t.os2, 10), m_em, upm);
    o.subscriptSizeY = Scale(ReadI16(t.os2, 12), m_em, upm);
    o.subscriptOffsetX = Scale(ReadI16(t.os2, 14), m_em, upm);
    o.subscriptOffsetY = Scale(ReadI16(t.os2, 16), m_em, upm);
    o.superscriptSizeX = Scale(ReadI16(t.os2, 18), m_em, upm);
    o.superscriptSizeY = Scale(ReadI16(t.os2, 20), m_em, upm);
    o.superscriptOffsetX = Scale(ReadI16(t.os2, 22), m_em, upm);
    o.superscriptOffsetY = Scale(ReadI16(t.os2, 24), m_em, upm);
    o.strikeoutSize = std::max(1, Scale(ReadI16(t.os2, 26), m_em, upm));
    o.strikeoutPosition = Scale(ReadI16(t.os2, 28), m_em, upm);
    if (t.post.size() >= 12) {
        // Some faces put the rule's top a fraction of a pixel under the baseline; at screen
        // sizes that rounds onto the glyphs' bottom row, so keep one pixel clear.
        o.underscorePosition = std::min(-1, Scale(ReadI16(t.post, 8), m_em, upm));
        o.underscoreSize = std::max(1, Scale(ReadI16(t.post, 10), m_em, upm));
    } else {
        o.underscorePosition = std::min(-1, -int(std::lround(primary.underlinePosition())));
        o.underscoreSize = std::max(1, int(std::lround(primary.lineThickness())));
    }
    m_outline = o;
}

// Newer faces store the mean of all their glyphs as the average width, which wide symbol and
// CJK glyphs inflate; the older definition, which documents' widths were made against, weighs
// the lower-case letters and the space by their frequency in text.
int QtFont::WeightedLowercaseAverage()
{
    static const int weights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                    56, 17, 4,  49, 56,  71, 31, 10, 18, 3,  18, 2, 166};
    int64_t sum = 0;
    for (int i = 0; i < 26; ++i)
        sum += int64_t(weights[i]) * Advance(char32_t(U'a' + i));
    sum += int64_t(weights[26]) * Advance(U' ');
    return std::max(1, int((sum + 500) / 1000));
}

std::vector<QString> QtFont::Families()
{
    while (LoadNextMember()) {
    }
    std::vector<QString> families;
    for (const QRawFont& raw : m_members)
        families.push_back(raw.familyName());
    return families;
}

QtFont::Entry QtFont::ResolveFrom(int member, quint32 glyph)
{
    QPointF advance;
    m_members[size_t(member)].advancesForGlyphIndexes(&glyph, &advance, 1);
    const long pixels = std::lround(advance.x() * m_scale);
    return {int16_t(std::clamp<long>(pixels, 0, INT16_MAX)), {member, glyph}};
}

// The advance of GLYPH in the member's design units; -1 when the font has no such table.
int QtFont::DesignAdvance(int member, quint32 glyph)
{
    MemberTables& tables = m_tables[size_t(member)];
    if (!tables.read) {
        tables.read = true;
        const QRawFont& raw = m_members[size_t(member)];
        tables.hmtx = raw.fontTable("hmtx");
        tables.longMetrics = std::min(ReadU16(raw.fontTable("hhea"), 34), int(tables.hmtx.size() / 4));
    }
    if (tables.longMetrics <= 0)
        return -1;
    // Glyphs past the long metrics share the last advance.
    const int index = int(std::min<quint32>(glyph, quint32(tables.longMetrics - 1)));
    return ReadU16(tables.hmtx, index * 4);
}

// Hinting an ideograph costs tens of microseconds, and Chinese text meets thousands of them;
// hinted ideograph advances depend only on the design advance, which every ideograph of a CJK
// face shares, so the first one hinted answers for the rest.
QtFont::Entry QtFont::ResolveIdeograph(int member, quint32 glyph)
{
    const int design = m_sharedIdeographs ? DesignAdvance(member, glyph) : -1;
    if (design < 0)
        return ResolveFrom(member, glyph);
    std::vector<IdeographAdvance>& known = m_tables[size_t(member)].ideographs;
    for (const IdeographAdvance& entry : known) {
        if (entry.designAdvance == design)
            return {entry.advance, {member, glyph}};
    }
    const Entry entry = ResolveFrom(member, glyph);
    known.push_back({design, entry.advance});
    return entry;
}

// The first member that has a glyph for C gives its glyph and advance; characters no member
// has show the primary face's missing-glyph box; format characters show nothing.
QtFont::Entry QtFont::Resolve(char32_t c)
{
    if (m_members.empty() || IsFormatChar(c))
        return {};
    QChar units[2];
    int count = 0;
    if (c >= 0x10000) {
        units[count++] = QChar(char16_t(0xD800 + ((c - 0x10000) >> 10)));
        units[count++] = QChar(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
        units[count++] = QChar(char16_t(c));
    }
    Entry entry;
    bool found = false;
    for (size_t m = 0; !found && (m < m_members.size() || LoadNextMember()); ++m) {
        quint32 glyphs[2] = {0, 0};
        int glyphCount = 2;
        if (!m_members[m].glyphIndexesForChars(units, count, glyphs, &glyphCount) || glyphs[0] == 0)
            continue;
        entry = IsIdeograph(c) ? ResolveIdeograph(int(m), glyphs[0]) : ResolveFrom(int(m), glyphs[0]);
        found = true;
    }
    if (!found)
        entry = ResolveFrom(0, 0);
    if (IsZeroWidthChar(c))
        entry.advance = 0;
    return entry;
}

// Characters are resolved one at a time on first use: a hinted advance means loading the
// glyph, and Chinese text uses a few thousand characters spread over the whole block, so
// resolving whole pages would load many glyphs nobody asked for.
int QtFont::SlowAdvance(char32_t c)
{
    return ResolveSlot(c).advance;
}

QtFont::Entry QtFont::ResolveSlot(char32_t c)
{
    if (c >= 0x10000) {
        auto found = m_astral.find(c);
        if (found == m_astral.end())
            found = m_astral.emplace(c, Resolve(c)).first;
        return found->second;
    }
    std::unique_ptr<Page>& page = m_pages[c >> 8];
    if (!page) {
        page = std::make_unique<Page>();
        page->advance.fill(kUnresolved);
    }
    const size_t low = c & 0xFF;
    if (page->advance[low] == kUnresolved) {
        const Entry entry = Resolve(c);
        page->advance[low] = entry.advance;
        page->glyph[low] = entry.glyph;
    }
    return {page->advance[low], page->glyph[low]};
}

QtFont::Glyph QtFont::GlyphOf(char32_t c)
{
    return ResolveSlot(c).glyph;
}

namespace {

using FontCache = std::unordered_map<std::u16string, std::shared_ptr<QtFont>>;

FontCache& Cache()
{
    static FontCache cache;
    return cache;
}

std::u16string CacheKey(const FontSpec& fontSpec, int ppiY)
{
    std::u16string key;
    for (char16_t c : fontSpec.face)
        key += (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
    const int numbers[] = {FontHeightRequest(fontSpec, ppiY), int(fontSpec.style & (fsBold | fsItalic)),
                           fontSpec.width, ppiY, (IsSymbolFace(fontSpec.face) || fontSpec.charset == kSymbolCharset) ? 1 : 0};
    for (int n : numbers) {
        key += u'|';
        for (char c : std::to_string(n))
            key += char16_t(c);
    }
    return key;
}

void ForgetUnused(FontCache& cache)
{
    for (auto it = cache.begin(); it != cache.end();) {
        if (it->second.use_count() == 1)
            it = cache.erase(it);
        else
            ++it;
    }
}

} // namespace

std::shared_ptr<QtFont> AcquireQtFont(const FontSpec& fontSpec, int ppiY)
{
    FontCache& cache = Cache();
    const std::u16string key = CacheKey(fontSpec, ppiY);
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    if (cache.size() >= 256)
        ForgetUnused(cache);
    auto font = std::make_shared<QtFont>(fontSpec, ppiY);
    cache.emplace(key, font);
    return font;
}

void ClearQtFontCache()
{
    Cache().clear();
}

void SetSharedIdeographAdvances(bool shared)
{
    g_sharedIdeographAdvances = shared;
    Cache().clear();
}

} // namespace platform
