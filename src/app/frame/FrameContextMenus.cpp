#include "FrameContextMenus.h"

#include "AppText.h"
#include "CCurvixView.h"
#include "CGraphDataForm.h"
#include "CGraphListBox.h"
#include "CMainFrame.h"
#include "FrameCommands.h"
#include "GraphItem.h"

#include <QAction>
#include <QMenu>

#include <initializer_list>

namespace {

constexpr unsigned kHide = 19808;
constexpr unsigned kShow = 19809;

// 0 stands for a separator.
QMenu* BuildMenu(CMainFrame& frame, std::initializer_list<unsigned> ids)
{
    auto* menu = new QMenu(&frame);
    for (unsigned id : ids) {
        if (id)
            menu->addAction(frame.Action(id));
        else
            menu->addSeparator();
    }
    return menu;
}

}  // namespace

FrameContextMenus::FrameContextMenus(CMainFrame& mainFrame)
    : QObject(&mainFrame), frame(mainFrame),
      viewMenu(BuildMenu(mainFrame, {ID_ZOOM_IN, ID_ZOOM_OUT, ID_CENTRE_ON_ORIGIN, 0, ID_COPY_PICTURE,
                                 ID_EXPORT_PICTURE, 0, ID_TOGGLE_GRID, ID_TOGGLE_CURR_POS})),
      itemMenu(BuildMenu(mainFrame, {ID_SELECTED_GRAPH_PROPERTIES, ID_SELECTED_GRAPH_VISIBILITY,
                                 ID_SELECTED_GRAPH_REMOVE, 0, ID_TANGENT, ID_INTEGRAL})),
      emptyMenu(BuildMenu(mainFrame, {ID_ADD_GRAPH}))
{
    CCurvixView& view = mainFrame.View();
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    // The scroll areas report points of their viewports.
    connect(&view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowViewMenu(at); });
    CGraphListBox& list = mainFrame.Form().List();
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowListMenu(at); });
}

void FrameContextMenus::ShowViewMenu(const QPoint& at)
{
    Popup(viewMenu, frame.View().viewport(), at);
}

void FrameContextMenus::ShowListMenu(const QPoint& at)
{
    CGraphListBox& list = frame.Form().List();
    const int row = list.indexAt(at).row();
    if (row < 0) {
        Popup(emptyMenu, list.viewport(), at);
        return;
    }
    list.SetCurSel(row);
    const GraphItem* graph = list.ItemGraph(row);
    frame.Action(ID_SELECTED_GRAPH_VISIBILITY)->setText(AppText(graph && graph->hidden ? kShow : kHide));
    Popup(itemMenu, list.viewport(), at);
}

// The entries' enabling is brought up to date before the menu opens.
void FrameContextMenus::Popup(QMenu* menu, QWidget* owner, const QPoint& at)
{
    frame.UpdateCommandUI();
    shown = menu;
    menu->popup(owner->mapToGlobal(at));
}
