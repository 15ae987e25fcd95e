// An empty framed panel in the view's place. It remembers which file it was asked to load, so
// the window's opening logic can be exercised before the real viewer exists.
#pragma once

#include "app/snapshot_view.h"

#include <QFrame>

namespace wenlocke {

class PlaceholderView : public QFrame, public SnapshotView {
    Q_OBJECT
public:
    explicit PlaceholderView(QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    void ClearDocument() override;
    void RefreshEditors() override;
    bool LoadRvfFile(const std::string& path) override;
    void FormatDocument() override;

    // The file of the last LoadRvfFile since the last ClearDocument; empty when none.
    const std::string& LoadedPath() const { return m_loadedPath; }

private:
    std::string m_loadedPath;
};

std::unique_ptr<SnapshotView> MakePlaceholderView(QWidget* parent);

} // namespace wenlocke
