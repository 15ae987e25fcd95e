// wenlocke-cli render FILE --width N -o OUT.png [--height H] [--top Y] [--select-all] [--special]:
// reads and formats FILE as `layout` does and writes what a view of that client size, scrolled
// to Y, shows: the background in the view's colour and the painted document.
#include "app/snapshot_style.h"
#include "platform/qt/qt_canvas.h"
#include "tools/cli_command.h"
#include "tools/cli_qt_app.h"
#include "vellum/control/rv_background.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/layout/paint_document.h"
#include "vellum/rvf/rvf_reader.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace wenlocke::cli {
namespace {

using namespace vellum;

// Qt images and the views that show them stay below this height.
constexpr int kMaxHeight = 16384;
constexpr const char* kUsage = "render FILE --width N -o OUT.png [--height H] [--top Y] [--select-all] [--special]";

struct RenderArgs {
    std::string file;
    std::string out;
    int width = 0;
    std::optional<int> height;
    int top = 0;
    bool selectAll = false;
    bool special = false;
};

std::optional<int> ParseNumber(const std::string& text, long low, long high)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high)
        return std::nullopt;
    return int(value);
}

// The value after option ARGS[I], parsed into TARGET.
bool TakeNumber(const std::vector<std::string>& args, size_t& i, long low, long high, int& target)
{
    if (i + 1 >= args.size())
        return false;
    const auto value = ParseNumber(args[++i], low, high);
    if (!value)
        return false;
    target = *value;
    return true;
}

std::optional<RenderArgs> ParseArgs(const std::vector<std::string>& args)
{
    RenderArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        int height = 0;
        bool ok = true;
        if (a == "--width")
            ok = TakeNumber(args, i, 1, 32767, parsed.width);
        else if (a == "--height" && (ok = TakeNumber(args, i, 1, kMaxHeight, height)))
            parsed.height = height;
        else if (a == "--top")
            ok = TakeNumber(args, i, 0, 1000000000, parsed.top);
        else if (a == "-o" && i + 1 < args.size())
            parsed.out = args[++i];
        else if (a == "--select-all")
            parsed.selectAll = true;
        else if (a == "--special")
            parsed.special = true;
        else if (parsed.file.empty() && a.rfind("-", 0) != 0)
            parsed.file = a;
        else
            ok = false;
        if (!ok)
            return std::nullopt;
    }
    if (parsed.file.empty() || parsed.out.empty() || parsed.width == 0)
        return std::nullopt;
    return parsed;
}

int ViewHeight(const RenderArgs& parsed, const FixedClientData& data)
{
    if (parsed.height)
        return *parsed.height;
    const int64_t rest = std::max<int64_t>(1, int64_t(data.DocumentHeight()) - parsed.top);
    if (rest > kMaxHeight)
        std::fprintf(stderr, "render: the view is cut to %d of %lld pixels\n", kMaxHeight,
                     static_cast<long long>(rest));
    return int(std::min<int64_t>(rest, kMaxHeight));
}

int RunRender(const std::vector<std::string>& args)
{
    const auto parsed = ParseArgs(args);
    if (!parsed) {
        std::fprintf(stderr, "usage: wenlocke-cli %s\n", kUsage);
        return kExitUsage;
    }
    const auto app = EnsureApplication();
    platform::QtImageCanvas reference(1, 1, 96, 96);
    SnapshotDocument doc;
    platform::Color color = clNone;
    BackgroundReadResult backRecord;
    RvfReadTargets targets;
    targets.Color = &color;
    backRecord.Attach(targets);
    if (!ReadRvfFile(doc.Data, parsed->file, targets))
        std::fprintf(stderr, "render: %s was not read to its end\n", parsed->file.c_str());
    if (parsed->special)
        doc.Data.Settings().Options |= OptionBit<TRVOptions>(rvoShowSpecialCharacters);
    NumberDocument(doc.Data);
    doc.Data.SetCanvas(&reference);
    doc.Data.SetClientSize(parsed->width, parsed->height.value_or(kMaxHeight));
    doc.Data.Format(false, true, false, true, false, nullptr, 0, false);

    const int height = ViewHeight(*parsed, doc.Data);
    platform::QtImageCanvas canvas(parsed->width, height, 96, 96);
    TRVBackground background;
    background.TakeReadResult(std::move(backRecord));
    const platform::Rect area{0, 0, parsed->width, height};
    background.Paint(canvas, area, color != clNone ? color : doc.Style.Color, {parsed->width, height},
                     {0, parsed->top});
    PaintArgs paint;
    paint.canvas = &canvas;
    paint.clip = area;
    paint.controlFocused = true;
    doc.Data.ScrollToY(parsed->top);
    if (parsed->selectAll)
        doc.Data.SelectAll();
    PaintDocument(doc.Data, paint);
    if (!canvas.Image().save(QString::fromStdString(parsed->out), "PNG")) {
        std::fprintf(stderr, "render: cannot write %s\n", parsed->out.c_str());
        return kExitFailure;
    }
    return kExitOk;
}

const bool registered = RegisterCommand({"render", kUsage, RunRender});

} // namespace
} // namespace wenlocke::cli
