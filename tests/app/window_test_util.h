// Helpers shared by the window tests: one QApplication for the test program, and a message
// sink that keeps what the window would have shown.
#pragma once

#include "app/message_sink.h"
#include "app/startup.h"

#include <QApplication>
#include <QString>

#include <vector>

namespace wenlocke::testing {

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    new QApplication(argc, argv);
    PrepareApplication();
}

class RecordingSink : public MessageSink {
public:
    void ShowMessage(const QString& text) override { messages.push_back(text); }
    void ShowError(const QString& text) override { errors.push_back(text); }
    std::vector<QString> messages;
    std::vector<QString> errors;
};

} // namespace wenlocke::testing
