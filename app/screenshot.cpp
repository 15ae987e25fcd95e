#include "app/screenshot.h"

#include "app/main_window.h"

#include <QApplication>
#include <QListWidget>
#include <QPixmap>

#include <cstdio>

namespace wenlocke {

std::string SelectRows(TForm1& form, const std::vector<int>& rows)
{
    QListWidget* lists[] = {form.listbox1, form.ListBox2, form.ListBox3};
    const char* names[] = {"group", "notebook", "snapshot"};
    for (size_t i = 0; i < rows.size() && i < std::size(lists); ++i) {
        if (rows[i] >= lists[i]->count())
            return std::string("no ") + names[i] + " row " + std::to_string(rows[i]);
        lists[i]->setCurrentRow(rows[i]);
        QApplication::processEvents();
    }
    return std::string();
}

int SaveScreenshot(TForm1& form, const std::vector<int>& rows, const std::string& path)
{
    // Without a window manager nothing maximizes the window, so it gets the work area's size.
    form.setGeometry(form.WorkArea());
    form.showMaximized();
    QApplication::processEvents();
    const std::string error = SelectRows(form, rows);
    if (!error.empty()) {
        std::fprintf(stderr, "wenlocke: --select: %s\n", error.c_str());
        return 1;
    }
    QApplication::processEvents();
    if (!form.grab().save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "wenlocke: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace wenlocke
