#include "app/frame/FrameContextMenus.h"

#include "gui/AppText.h"
#include "view/widget/CCurvixView.h"
#include "app/frame/CGraphDataForm.h"
#include "app/CGraphListBox.h"
#include "app/frame/CMainFrame.h"
#include "app/frame/FrameCommands.h"
#include "model/GraphItem.h"

#include <QAction>
#include <QMenu>

#include <initializer_list>
#include <optional>

namespace {

// An empty entry stands for a separator.
QMenu* BuildMenu(CMainFrame& frame, std::initializer_list<std::optional<CommandId>> ids)
{
    auto* menu = new QMenu(&frame);
    for (const std::optional<CommandId>& id : ids) {
        if (id)
            menu->addAction(frame.Action(*id));
        else
            menu->addSeparator();
    }
    return menu;
}

}  // namespace

FrameContextMenus::FrameContextMenus(CMainFrame& mainFrame)
    : QObject(&mainFrame), m_frame(mainFrame),
      m_viewMenu(BuildMenu(mainFrame, {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::CentreOnOrigin, {},
                                     CommandId::CopyPicture, CommandId::ExportPicture, {}, CommandId::ToggleGrid,
                                     CommandId::ToggleCursorPosition})),
      m_itemMenu(BuildMenu(mainFrame, {CommandId::SelectedGraphProperties, CommandId::SelectedGraphVisibility,
                                     CommandId::SelectedGraphRemove, {}, CommandId::Tangent, CommandId::Integral})),
      m_emptyMenu(BuildMenu(mainFrame, {CommandId::AddGraph}))
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
    Popup(m_viewMenu, m_frame.View().viewport(), at);
}

void FrameContextMenus::ShowListMenu(const QPoint& at)
{
    CGraphListBox& list = m_frame.Form().List();
    const int row = list.indexAt(at).row();
    if (row < 0) {
        Popup(m_emptyMenu, list.viewport(), at);
        return;
    }
    list.SetCurSel(row);
    const GraphItem* graph = list.ItemGraph(row);
    m_frame.Action(CommandId::SelectedGraphVisibility)
        ->setText(AppText(graph && graph->hidden ? StringId::ShowGraph : StringId::HideGraph));
    Popup(m_itemMenu, list.viewport(), at);
}

// The entries' enabling is brought up to date before the menu opens.
void FrameContextMenus::Popup(QMenu* menu, QWidget* owner, const QPoint& at)
{
    m_frame.UpdateCommandUI();
    m_shown = menu;
    menu->popup(owner->mapToGlobal(at));
}
