#include "app/placeholder_view.h"

namespace wenlocke {

PlaceholderView::PlaceholderView(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void PlaceholderView::ClearDocument()
{
    m_loadedPath.clear();
}

void PlaceholderView::RefreshEditors()
{
    repaint();
}

bool PlaceholderView::LoadRvfFile(const std::string& path)
{
    // FIXME: the viewer control reads and shows the document; this panel only records the path.
    m_loadedPath = path;
    return true;
}

void PlaceholderView::FormatDocument()
{
    update();
}

std::unique_ptr<SnapshotView> MakePlaceholderView(QWidget* parent)
{
    return std::make_unique<PlaceholderView>(parent);
}

} // namespace wenlocke
