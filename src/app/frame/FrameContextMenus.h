#pragma once

#include <QObject>

class CMainFrame;
class QMenu;
class QPoint;

// The right-click menus of the graph view and the graph list, made of the
// main window's own actions so that each entry follows its command's
// enabling. On a graph of the list: its properties, showing or hiding it,
// removing it and the tools; on the list's empty space: adding a graph.
class FrameContextMenus : public QObject {
public:
    explicit FrameContextMenus(CMainFrame& frame);

    // Shows the view's menu at a point of its viewport.
    void ShowViewMenu(const QPoint& at);
    // Shows the list's menu at a point of its viewport; a graph there is
    // selected first.
    void ShowListMenu(const QPoint& at);
    // The menu shown last, while it is open; for tests.
    QMenu* Shown() const { return m_shown; }

private:
    void Popup(QMenu* menu, QWidget* owner, const QPoint& at);

    CMainFrame& m_frame;
    QMenu* m_viewMenu;
    QMenu* m_itemMenu;
    QMenu* m_emptyMenu;
    QMenu* m_shown = nullptr;
};
