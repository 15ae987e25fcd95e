// wenlocke-cli fonts [FACE...]: which installed fonts the faces documents ask for resolve to,
// and their metrics at 10 points on a 96 pixels-per-inch screen.
// wenlocke-cli fonts --styles FILE: what the layout's font cache holds for each text style of
// FILE's style sheet, read as the snapshot view reads it.
#include "tools/cli_command.h"
#include "tools/cli_qt_app.h"

#include "app/snapshot_style.h"
#include "platform/codepage.h"
#include "platform/qt/qt_canvas.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/rvf/rvf_reader.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace wenlocke::cli {
namespace {

const char* const kDefaultFaces[] = {"Arial",       "宋体",   "SimSun",          "Times New Roman",
                                     "Courier New", "Tahoma", "Microsoft YaHei"};

QString FamiliesOf(platform::QtCanvas& canvas)
{
    QStringList families;
    for (const QString& family : canvas.FontFamilies())
        families << family;
    return families.isEmpty() ? QString("(nothing installed)") : families.join(", ");
}

void PrintMetrics(const platform::FontMetrics& m)
{
    std::printf("height %d, ascent %d, descent %d, internal leading %d, external leading %d, "
                "average width %d, maximum width %d",
                m.height, m.ascent, m.descent, m.internalLeading, m.externalLeading, m.aveCharWidth,
                m.maxCharWidth);
}

void PrintFace(platform::QtCanvas& canvas, const std::string& face)
{
    platform::FontSpec request;
    request.face = QString::fromStdString(face).toStdU16String();
    request.pointSize = 10;
    canvas.SetFont(request);
    std::printf("%s -> %s\n", face.c_str(), FamiliesOf(canvas).toUtf8().constData());
    std::printf("  10 pt: ");
    PrintMetrics(canvas.GetFontMetrics());
    std::printf("\n");
    std::printf("  advances: \"x\" %d, \"W\" %d, \"中\" %d, \"，\" %d\n", canvas.TextExtentW(u"x").cx,
                canvas.TextExtentW(u"W").cx, canvas.TextExtentW(u"中").cx,
                canvas.TextExtentW(u"，").cx);
}

std::string StyleWords(platform::FontStyles style)
{
    std::string words;
    const std::pair<platform::FontStyleFlag, const char*> names[] = {
        {platform::fsBold, " bold"}, {platform::fsItalic, " italic"}, {platform::fsUnderline, " underline"},
        {platform::fsStrikeOut, " strike-out"}};
    for (const auto& [flag, name] : names) {
        if (style & flag)
            words += name;
    }
    return words;
}

void PrintStyleEntry(int styleNo, const vellum::TRVFontInfoCacheItem& entry)
{
    const vellum::TFontInfo& info = *entry.FontInfo;
    const platform::FontSpec& font = entry.Canvas->Font();
    auto* surface = dynamic_cast<platform::QtCanvas*>(entry.Canvas);
    std::printf("%d %s: %s %d pt%s -> %s, height request %d%s\n", styleNo,
                platform::ToUtf8(info.StyleName).c_str(), platform::ToUtf8(info.FontName).c_str(),
                int(info.Size), StyleWords(font.style).c_str(), surface ? FamiliesOf(*surface).toUtf8().constData() : "?",
                platform::FontHeightRequest(font, entry.Canvas->PixelsPerInchY()),
                font.width != 0 ? (", width " + std::to_string(font.width)).c_str() : "");
    std::printf("  ");
    PrintMetrics(entry.TextMetric);
    std::printf("\n  vertical offset %d, script height %d, hyphen %d x %d\n", entry.VerticalOffset,
                entry.ScriptHeight, entry.HyphenWidth, entry.HyphenHeight);
}

int RunStyles(const std::string& file)
{
    wenlocke::SnapshotDocument doc;
    const bool ok = vellum::ReadRvfFile(doc.Data, file);
    platform::QtImageCanvas canvas(1, 1, 96, 96);
    vellum::TRVFontInfoCacheFast cache(nullptr, true, canvas, canvas, doc.Style);
    for (int styleNo = 0; styleNo < doc.Style.TextStyles().Count(); ++styleNo)
        PrintStyleEntry(styleNo, cache.GetItem(styleNo));
    if (!ok)
        std::fprintf(stderr, "%s: not read to its end; the styles read before are shown\n", file.c_str());
    return kExitOk;
}

int RunFonts(const std::vector<std::string>& args)
{
    const auto app = EnsureApplication();
    if (!args.empty() && args[0] == "--styles") {
        if (args.size() != 2) {
            std::fprintf(stderr, "usage: wenlocke-cli fonts --styles FILE\n");
            return kExitUsage;
        }
        return RunStyles(args[1]);
    }
    platform::QtImageCanvas canvas(1, 1, 96, 96);
    std::vector<std::string> faces(args);
    if (faces.empty())
        faces.assign(std::begin(kDefaultFaces), std::end(kDefaultFaces));
    for (const std::string& face : faces)
        PrintFace(canvas, face);
    return kExitOk;
}

const bool registered = RegisterCommand({"fonts", "fonts [FACE...] | fonts --styles FILE", RunFonts});

} // namespace
} // namespace wenlocke::cli
