// Where the main window's notices and error boxes go. The window never calls QMessageBox
// directly, so tests can record what would have been shown instead of blocking on a dialog.
#pragma once

#include <QString>

class QWidget;

namespace wenlocke {

// Title of every box the program shows.
inline constexpr const char16_t* kApplicationTitle = u"Wenlocke";

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A plain notice with an OK button; returns when the user closed it.
    virtual void ShowMessage(const QString& text) = 0;
    // An error box with an OK button and a stop icon; TEXT is shown as given.
    virtual void ShowError(const QString& text) = 0;
};

// Modal boxes on top of PARENT (may be null).
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;

private:
    QWidget* m_parent;
};

// An error's text as the error box shows it: a period is added unless the text is empty or its
// last character is a period or sorts before one (blanks, '!', ',', '-' and the like).
QString ErrorBoxText(const QString& text);

} // namespace wenlocke
