// wenlocke-cli fonts [FACE...]: which installed fonts the faces documents ask for resolve to,
// and their metrics at 10 points on a 96 pixels-per-inch screen.
#include "tools/cli_command.h"
#include "tools/cli_qt_app.h"

#include "platform/qt/qt_canvas.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace wenlocke::cli {
namespace {

const char* const kDefaultFaces[] = {"Arial",       "宋体",   "SimSun",          "Times New Roman",
                                     "Courier New", "Tahoma", "Microsoft YaHei"};

void PrintFace(platform::QtCanvas& canvas, const std::string& face)
{
    platform::FontSpec request;
    request.face = QString::fromStdString(face).toStdU16String();
    request.pointSize = 10;
    canvas.SetFont(request);
    QStringList families;
    for (const QString& family : canvas.FontFamilies())
        families << family;
    const platform::FontMetrics m = canvas.GetFontMetrics();
    std::printf("%s -> %s\n", face.c_str(),
                families.isEmpty() ? "(nothing installed)" : families.join(", ").toUtf8().constData());
    std::printf("  10 pt: height %d, ascent %d, descent %d, internal leading %d, "
                "external leading %d, average width %d, maximum width %d\n",
                m.height, m.ascent, m.descent, m.internalLeading, m.externalLeading,
                m.aveCharWidth, m.maxCharWidth);
    std::printf("  advances: \"x\" %d, \"W\" %d, \"中\" %d, \"，\" %d\n", canvas.TextExtentW(u"x").cx,
                canvas.TextExtentW(u"W").cx, canvas.TextExtentW(u"中").cx,
                canvas.TextExtentW(u"，").cx);
}

int RunFonts(const std::vector<std::string>& args)
{
    const auto app = EnsureApplication();
    platform::QtImageCanvas canvas(1, 1, 96, 96);
    std::vector<std::string> faces(args);
    if (faces.empty())
        faces.assign(std::begin(kDefaultFaces), std::end(kDefaultFaces));
    for (const std::string& face : faces)
        PrintFace(canvas, face);
    return kExitOk;
}

const bool registered = RegisterCommand({"fonts", "fonts [FACE...]", RunFonts});

} // namespace
} // namespace wenlocke::cli
