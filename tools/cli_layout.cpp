// wenlocke-cli layout FILE --width N [--test-metrics] [--summary]: reads FILE as the snapshot
// view does, formats it for a client area N pixels wide and prints the layout dump (or only
// the document line with counts and the time of the formatting pass).
#include "app/snapshot_style.h"
#include "platform/qt/qt_canvas.h"
#include "platform/testing/recording_canvas.h"
#include "tools/cli_command.h"
#include "tools/cli_qt_app.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/layout/layout_dump.h"
#include "vellum/rvf/rvf_reader.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace wenlocke::cli {
namespace {

struct LayoutArgs {
    std::string file;
    int width = 0;
    bool testMetrics = false;
    bool summary = false;
};

std::optional<int> ParseWidth(const std::string& text)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 1000000)
        return std::nullopt;
    return int(value);
}

std::optional<LayoutArgs> ParseArgs(const std::vector<std::string>& args)
{
    LayoutArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--width" && i + 1 < args.size()) {
            const auto width = ParseWidth(args[++i]);
            if (!width)
                return std::nullopt;
            parsed.width = *width;
        } else if (args[i] == "--test-metrics") {
            parsed.testMetrics = true;
        } else if (args[i] == "--summary") {
            parsed.summary = true;
        } else if (parsed.file.empty() && args[i].rfind("--", 0) != 0) {
            parsed.file = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty() || parsed.width == 0)
        return std::nullopt;
    return parsed;
}

int RunLayout(const std::vector<std::string>& args)
{
    const auto parsed = ParseArgs(args);
    if (!parsed) {
        std::fprintf(stderr, "usage: wenlocke-cli layout FILE --width N [--test-metrics] [--summary]\n");
        return kExitUsage;
    }
    std::unique_ptr<QGuiApplication> app;
    std::unique_ptr<platform::Canvas> canvas;
    if (parsed->testMetrics) {
        canvas = std::make_unique<platform::RecordingCanvas>(1, 1, 96, 96);
    } else {
        app = EnsureApplication();
        canvas = std::make_unique<platform::QtImageCanvas>(1, 1, 96, 96);
    }
    SnapshotDocument doc;
    ReadRvfFile(doc.Data, parsed->file);
    NumberDocument(doc.Data);
    doc.Data.SetCanvas(canvas.get());
    doc.Data.SetClientSize(parsed->width, 1000000);
    const auto start = std::chrono::steady_clock::now();
    doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    const std::string out = parsed->summary ? vellum::LayoutSummary(doc.Data, elapsed.count()) + "\n"
                                            : vellum::LayoutDump(doc.Data);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

const bool registered =
    RegisterCommand({"layout", "layout FILE --width N [--test-metrics] [--summary]", RunLayout});

} // namespace
} // namespace wenlocke::cli
