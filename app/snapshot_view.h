// What the main window needs from the widget in VellumEdit1's place. The viewer control
// implements it; until then PlaceholderView stands in, so the window works without it.
#pragma once

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace wenlocke {

class SnapshotView {
public:
    virtual ~SnapshotView() = default;
    // The widget to place and lay out; owned by its Qt parent.
    virtual QWidget* Widget() = 0;
    // Empties the document.
    virtual void ClearDocument() = 0;
    // Repaints at once, so an emptied view does not keep showing the old document.
    virtual void RefreshEditors() = 0;
    // Reads an RVF file (UTF-8 path) into the document; false when reading stopped early, with
    // what was read before kept.
    virtual bool LoadRvfFile(const std::string& path) = 0;
    // Lays the document out and repaints, keeping the scroll position within the new range.
    virtual void FormatDocument() = 0;
};

// Makes the view as a child of PARENT; the window keeps the returned object alive as long as
// itself.
using SnapshotViewFactory = std::function<std::unique_ptr<SnapshotView>(QWidget* parent)>;

} // namespace wenlocke
