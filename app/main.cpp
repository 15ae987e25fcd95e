// The window program: sets up the process, opens the main window and runs until it is closed.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/startup.h"
#include "platform/locale.h"

#include <QApplication>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Without anyone to close a dialog, notices and errors go to stderr.
class StderrMessageSink : public wenlocke::MessageSink {
public:
    void ShowMessage(const QString& text) override { Print(text); }
    void ShowError(const QString& text) override { Print(text); }

private:
    static void Print(const QString& text)
    {
        std::fprintf(stderr, "wenlocke: %s\n", text.toUtf8().constData());
    }
};

int RunScreenshot(const wenlocke::ProgramOptions& options)
{
    StderrMessageSink messages;
    wenlocke::FormEnvironment environment;
    environment.dataArgument = options.dataArgument;
    environment.messages = &messages;
    wenlocke::TForm1 form(std::move(environment));
    return wenlocke::SaveScreenshot(form, options.selectRows, options.screenshotPath);
}

// A screenshot needs no screen: without a display, Qt's offscreen platform renders it.
std::vector<char*> QtArguments(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    const bool screenshot = std::any_of(args.begin(), args.end(),
                                        [](const char* a) { return !std::strcmp(a, "--screenshot"); });
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (screenshot && !display && !std::getenv("QT_QPA_PLATFORM")) {
        static char platform[] = "-platform";
        static char offscreen[] = "offscreen";
        args.insert(args.begin() + 1, {platform, offscreen});
    }
    args.push_back(nullptr);
    return args;
}

} // namespace

int main(int argc, char** argv)
{
    platform::ApplyStartupLocale();
    // Qt takes its own options (-platform, ...) out of the arguments first.
    std::vector<char*> args = QtArguments(argc, argv);
    argc = int(args.size()) - 1;
    argv = args.data();
    QApplication application(argc, argv);
    std::string error;
    const std::optional<wenlocke::ProgramOptions> options =
        wenlocke::ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!options) {
        std::fprintf(stderr, "wenlocke: %s\n%s\n", error.c_str(), wenlocke::kUsage);
        return 2;
    }
    wenlocke::PrepareApplication();
    if (!options->screenshotPath.empty())
        return RunScreenshot(*options);
    wenlocke::FormEnvironment environment;
    environment.dataArgument = options->dataArgument;
    wenlocke::TForm1 form(std::move(environment));
    form.setGeometry(form.WorkArea());
    form.showMaximized();
    return application.exec();
}
