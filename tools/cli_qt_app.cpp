#include "tools/cli_qt_app.h"

#include <QGuiApplication>

namespace wenlocke::cli {

std::unique_ptr<QGuiApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wenlocke-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace wenlocke::cli
