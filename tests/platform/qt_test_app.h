// One application object for the Qt tests of this executable, made on first use under the
// offscreen platform unless the environment names another.
#pragma once

#include <QApplication>

namespace platform::testing {

inline void EnsureQtApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: destroyed among the exit handlers it would delete the input
    // devices that synthetic events created after Qt's own device registry is gone.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

} // namespace platform::testing
