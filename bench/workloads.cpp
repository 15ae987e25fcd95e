#include "bench/workloads.h"

#include "app/snapshot_style.h"
#include "app/startup.h"
#include "platform/codepage.h"
#include "platform/color.h"
#include "platform/font_faces.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <malloc.h>

#include <algorithm>
#include <fstream>

namespace wenlocke::bench {
namespace {

constexpr uint64_t kSeed = 0x57454E4C4F434B45; // fixed: every run measures the same document
constexpr int32_t kRunStyles[3] = {0, 1, 3};

// SplitMix64: its output is fixed by its definition, unlike the standard distributions.
class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    uint64_t Next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }
    // A number from LOW to HIGH inclusive.
    int Between(int low, int high) { return low + static_cast<int>(Next() % uint64_t(high - low + 1)); }

private:
    uint64_t m_state;
};

// ， 。 、 ； ： ？ ！ in GBK.
const char* const kPunctuation[] = {"\xA3\xAC", "\xA1\xA3", "\xA1\xA2", "\xA3\xBB",
                                    "\xA3\xBA", "\xA3\xBF", "\xA3\xA1"};
const char* const kWords[] = {"note", "history", "backup", "draft", "review", "update", "client",
                              "report", "release", "folder", "project", "design", "test", "login",
                              "page", "data", "file", "time", "build", "check", "email", "team",
                              "plan", "task", "issue", "fix", "Tom", "Chen", "Linux", "budget",
                              "status", "v2.3", "OK", "meeting", "server", "notes"};

// A character of the paragraph being made, in GBK.
using Chars = std::vector<std::string>;

std::string Ideograph(Random& random)
{
    // GB2312 level 1: rows B0-D6 are full (cells A1-FE).
    std::string c(2, '\0');
    c[0] = static_cast<char>(random.Between(0xB0, 0xD6));
    c[1] = static_cast<char>(random.Between(0xA1, 0xFE));
    return c;
}

// Ideographs with punctuation marks after some of them, then English words placed between
// characters, each word set off by spaces and held as single-byte characters.
Chars Paragraph(Random& random)
{
    Chars chars;
    const int ideographs = random.Between(20, 45);
    for (int i = 0; i < ideographs; ++i)
        chars.push_back(Ideograph(random));
    const int marks = random.Between(1, 4);
    for (int i = 0; i < marks; ++i) {
        const auto at = chars.begin() + random.Between(1, static_cast<int>(chars.size()));
        chars.insert(at, kPunctuation[random.Next() % std::size(kPunctuation)]);
    }
    const int words = random.Between(1, 4);
    for (int i = 0; i < words; ++i) {
        const std::string word = kWords[random.Next() % std::size(kWords)];
        Chars spelled = {" "};
        for (char c : word)
            spelled.push_back(std::string(1, c));
        spelled.push_back(" ");
        const auto at = chars.begin() + random.Between(1, static_cast<int>(chars.size()) - 1);
        chars.insert(at, spelled.begin(), spelled.end());
    }
    return chars;
}

void AppendRun(Workload& workload, int32_t styleNo, bool paraStart, const Chars& chars, size_t from,
               size_t to)
{
    WorkloadRun run;
    run.styleNo = styleNo;
    run.paraStart = paraStart;
    run.gbkOffset = static_cast<uint32_t>(workload.gbk.size());
    for (size_t i = from; i < to; ++i)
        workload.gbk += chars[i];
    run.gbkLength = static_cast<uint32_t>(workload.gbk.size() - run.gbkOffset);
    const std::u16string text = platform::ToUtf16(workload.Gbk(run), platform::kCodePageGbk);
    run.utf16Offset = static_cast<uint32_t>(workload.utf16.size());
    run.utf16Length = static_cast<uint32_t>(text.size());
    workload.utf16 += text;
    workload.runs.push_back(run);
}

// The paragraph cut at two character boundaries into three non-empty runs.
void AppendParagraph(Workload& workload, Random& random, const Chars& chars)
{
    const int length = static_cast<int>(chars.size());
    const size_t first = static_cast<size_t>(random.Between(1, length - 2));
    const size_t second = static_cast<size_t>(random.Between(static_cast<int>(first) + 1, length - 1));
    AppendRun(workload, kRunStyles[0], true, chars, 0, first);
    AppendRun(workload, kRunStyles[1], false, chars, first, second);
    AppendRun(workload, kRunStyles[2], false, chars, second, chars.size());
}

QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

const vellum::TFontInfo& WindowTextStyle(int32_t styleNo)
{
    static const vellum::TRVStyle* style = [] {
        auto* made = new vellum::TRVStyle;
        SetupSnapshotStyle(*made);
        return made;
    }();
    return style->TextStyles()[styleNo];
}

QString HtmlColor(platform::Color color)
{
    const platform::Color rgb = platform::ResolveColor(color);
    return QString::asprintf("#%02x%02x%02x", platform::RedOf(rgb), platform::GreenOf(rgb),
                             platform::BlueOf(rgb));
}

QString HtmlSpanStyle(int32_t styleNo)
{
    const vellum::TFontInfo& info = WindowTextStyle(styleNo);
    QStringList families = StyleFormat(styleNo).fontFamilies().toStringList();
    for (QString& family : families)
        family = "'" + family + "'";
    QString css = "font-family:" + families.join(',') + ";font-size:" + QString::number(info.Size) + "pt";
    if (info.Style.Contains(vellum::fsBold))
        css += ";font-weight:bold";
    if (info.Style.Contains(vellum::fsItalic))
        css += ";font-style:italic";
    if (info.Style.Contains(vellum::fsUnderline))
        css += ";text-decoration:underline";
    return css + ";color:" + HtmlColor(info.Color);
}

} // namespace

std::string Workload::Rvf() const
{
    std::string out = "-8 1 3\r\n";
    out.reserve(gbk.size() + runs.size() * 16 + 16);
    for (const WorkloadRun& run : runs) {
        // StyleNo LineCount ParaNo Options DataMode Tag; -1 and option 1 continue the paragraph.
        out += std::to_string(run.styleNo);
        out += run.paraStart ? " 1 0 0 0 0\r\n" : " 1 -1 1 0 0\r\n";
        out += Gbk(run);
        out += "\r\n";
    }
    return out;
}

Workload MakeWorkload(std::string name, size_t paragraphs, uint64_t seed)
{
    Workload workload;
    workload.name = std::move(name);
    workload.paragraphCount = paragraphs;
    workload.runs.reserve(paragraphs * 3);
    workload.gbk.reserve(paragraphs * 90);
    workload.utf16.reserve(paragraphs * 54);
    Random random(seed);
    for (size_t i = 0; i < paragraphs; ++i)
        AppendParagraph(workload, random, Paragraph(random));
    return workload;
}

const Workload& W1()
{
    static const Workload workload = MakeWorkload("W1", 100000, kSeed);
    return workload;
}

const Workload& W2()
{
    static const Workload workload = MakeWorkload("W2", 11500, kSeed);
    return workload;
}

void EnsureQtApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    InstallFontSubstitutions();
}

QTextCharFormat StyleFormat(int32_t styleNo)
{
    EnsureQtApplication();
    const vellum::TFontInfo& info = WindowTextStyle(styleNo);
    QStringList families = {ToQString(info.FontName)};
    for (const std::u16string& family : platform::SubstituteFamilies(info.FontName))
        families.push_back(ToQString(family));
    QTextCharFormat format;
    format.setFontFamilies(families);
    format.setFontPointSize(info.Size);
    format.setFontWeight(info.Style.Contains(vellum::fsBold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(info.Style.Contains(vellum::fsItalic));
    format.setFontUnderline(info.Style.Contains(vellum::fsUnderline));
    const platform::Color rgb = platform::ResolveColor(info.Color);
    format.setForeground(QColor(platform::RedOf(rgb), platform::GreenOf(rgb), platform::BlueOf(rgb)));
    return format;
}

void FillTextDocument(QTextDocument& doc, const Workload& workload)
{
    EnsureQtApplication();
    const QTextCharFormat formats[4] = {StyleFormat(0), StyleFormat(1), StyleFormat(2), StyleFormat(3)};
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    bool first = doc.isEmpty();
    for (const WorkloadRun& run : workload.runs) {
        if (run.paraStart && !first)
            cursor.insertBlock();
        first = false;
        cursor.insertText(ToQString(workload.Utf16(run)), formats[run.styleNo]);
    }
    cursor.endEditBlock();
}

QString ToHtml(const Workload& workload)
{
    const QString spans[4] = {HtmlSpanStyle(0), HtmlSpanStyle(1), HtmlSpanStyle(2), HtmlSpanStyle(3)};
    QString html = "<html><body>";
    html.reserve(static_cast<qsizetype>(workload.CharCount() + workload.runs.size() * 120));
    for (size_t i = 0; i < workload.runs.size(); ++i) {
        const WorkloadRun& run = workload.runs[i];
        if (run.paraStart)
            html += i == 0 ? "<p>" : "</p><p>";
        html += "<span style=\"" + spans[run.styleNo] + "\">";
        html += ToQString(workload.Utf16(run)).toHtmlEscaped();
        html += "</span>";
    }
    return html + (workload.runs.empty() ? "" : "</p>") + "</body></html>";
}

size_t ResidentBytes()
{
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return static_cast<size_t>(std::stol(line.substr(6))) * 1024;
    }
    return 0;
}

} // namespace wenlocke::bench
