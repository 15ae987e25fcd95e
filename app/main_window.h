// The program's one window: group, notebook and snapshot lists on the left, the snapshot view
// on the right, the open snapshot's name above it, and the explanations and the two history
// settings at the bottom. Controls keep their form names; they are public so that the program's
// entry and the tests can reach them as the form's own code does.
#pragma once

#include "app/message_sink.h"
#include "app/snapshot_view.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wenlocke {

// What the window takes from its surroundings; every member has a working default.
struct FormEnvironment {
    // The first command-line argument (UTF-8); empty when none was given.
    std::string dataArgument;
    // The program's folder ending in '/'; empty means the running program's folder.
    std::string programFolder;
    // The work area to lay out for; unset means the primary screen's available geometry.
    std::optional<QRect> workArea;
    // Where notices and errors go (not owned); null means modal Qt message boxes.
    MessageSink* messages = nullptr;
    // Makes the widget in VellumEdit1's place; null means PlaceholderView.
    SnapshotViewFactory makeView;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(FormEnvironment environment, QWidget* parent = nullptr);
    ~TForm1() override;

    // The handlers. The list handlers do nothing while their list has no selected row. An error
    // that escapes one ends it and is shown in an error box; what it did before stays done.
    void FormCreate();
    void ListBox1Click();
    void ListBox2Click();
    void ListBox3Click();
    void Button1Click();

    // The data folder (UTF-8, ending in '/'; empty without an argument) and the snapshot
    // folder of the notebook chosen last (no trailing '/').
    std::string DataDir;
    std::string SnapshotDir;

    SnapshotView* VellumEdit1 = nullptr;
    QListWidget* listbox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button1 = nullptr;

    // The work area the layout was computed from.
    QRect WorkArea() const { return m_workArea; }

private:
    void CreateControls();
    void CreateTopControls();
    void CreateGroupBox1();
    void CreateGroupBox2();
    void SetTabOrder();
    void ConnectHandlers();
    void ApplyWorkAreaLayout();
    void FillGroupList();
    void ShowSettings();
    void OpenSnapshot(const std::string& rowText);
    void SetLabel3(const QString& text);
    // Runs a handler body; an escaping error is shown in an error box.
    void RunHandler(const std::function<void()>& body);

    FormEnvironment m_environment;
    std::unique_ptr<MessageSink> m_ownMessages;
    MessageSink* m_messages = nullptr;
    std::unique_ptr<SnapshotView> m_view;
    QRect m_workArea;
};

} // namespace wenlocke
