// The window's handlers: creation, the three list clicks and the confirm button.
#include "app/main_window.h"

#include "app/catalog.h"
#include "app/form_texts.h"
#include "app/list_rows.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/locale.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace wenlocke {
namespace {

// An absolute argument names the data folder itself; otherwise it lies below the program.
std::string DataDirFor(const std::string& programFolder, const std::string& argument)
{
    if (argument.front() == '/')
        return DataDirFromArgument(std::string(), argument);
    return DataDirFromArgument(programFolder.empty() ? platform::ProgramFolder() : programFolder,
                               argument);
}

// Runs BODY and returns the text of an error that escaped it.
std::optional<QString> CaptureError(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return std::nullopt;
}

} // namespace

void TForm1::RunHandler(const std::function<void()>& body)
{
    if (const std::optional<QString> error = CaptureError(body))
        m_messages->ShowError(ErrorBoxText(*error));
}

void TForm1::FormCreate()
{
    platform::SetConsoleOutputCodePage(platform::kCodePageGbk);
    ApplyWorkAreaLayout();
    if (platform::ThreadLocale() != platform::kLocaleChinesePrc)
        platform::SetThreadLocale(platform::kLocaleChinesePrc);
    const std::string& argument = m_environment.dataArgument;
    if (argument.empty())
        return;
    listbox1->clear();
    DataDir = DataDirFor(m_environment.programFolder, argument);
    // The settings are shown even when the group list fails: otherwise the fields would keep
    // 3 and 50 over the stored values, and confirming would overwrite those.
    const std::optional<QString> groupError = CaptureError([this] { FillGroupList(); });
    RunHandler([this] { ShowSettings(); });
    if (groupError)
        m_messages->ShowError(ErrorBoxText(*groupError));
}

void TForm1::FillGroupList()
{
    ReadGroupList(DataDir, [this](const CatalogRow& row) { AddCatalogRow(*listbox1, row); });
}

void TForm1::ShowSettings()
{
    const HistorySettings settings = ReadHistorySettings(DataDir);
    Edit1->setText(GbkToQString(settings.Interval));
    Edit2->setText(GbkToQString(settings.Count));
}

void TForm1::ListBox1Click()
{
    const std::optional<TFileInfo> group = SelectedRowInfo(*listbox1);
    if (!group)
        return;
    RunHandler([&] {
        ListBox2->clear();
        ReadNotebookList(DataDir, *group,
                         [this](const CatalogRow& row) { AddCatalogRow(*ListBox2, row); });
    });
}

// The snapshot list is emptied before SnapshotDir changes, so its rows always belong to it.
void TForm1::ListBox2Click()
{
    const std::optional<TFileInfo> notebook = SelectedRowInfo(*ListBox2);
    if (!notebook)
        return;
    RunHandler([&] {
        ListBox3->clear();
        SnapshotChoice choice = ChooseSnapshotFolder(DataDir, notebook->Id);
        SnapshotDir = std::move(choice.SnapshotDir);
        for (const std::string& row : choice.Rows)
            AddTextRow(*ListBox3, row);
    });
}

void TForm1::ListBox3Click()
{
    const std::optional<std::string> row = SelectedRowText(*ListBox3);
    if (!row)
        return;
    RunHandler([&] { OpenSnapshot(*row); });
}

void TForm1::OpenSnapshot(const std::string& rowText)
{
    // 1. Empty the view and show that at once.
    VellumEdit1->ClearDocument();
    VellumEdit1->RefreshEditors();
    // 2. Name the choice, whether or not its file is still there.
    SetLabel3(QString::fromUtf16(form_text::kOpenSnapshotPrefix) + GbkToQString(rowText));
    // 3. A vanished file leaves the view empty.
    const std::string path = SnapshotPath(SnapshotDir, rowText);
    if (!platform::FileExists(path))
        return;
    // 4. Load and lay out; a partly readable file shows what was read.
    VellumEdit1->LoadRvfFile(path);
    VellumEdit1->FormatDocument();
}

void TForm1::Button1Click()
{
    RunHandler([this] {
        const ConfirmResult result = ConfirmHistorySettings(
            DataDir, QStringToGbk(Edit1->text()), QStringToGbk(Edit2->text()));
        m_messages->ShowMessage(QString::fromUtf8(ConfirmMessage(result)));
    });
}

} // namespace wenlocke
