#pragma once

#include "Ids.h"

#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class KeypadKeys;
class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// The actions of the main window's commands, with their menu texts, keys,
// status prompts, tool tips and icons, and the menu bar and toolbar built
// from them in their fixed order.
class FrameActions {
public:
    // run is called with the command id whenever an action is triggered.
    FrameActions(QWidget& owner, std::function<void(CommandId)> run);

    QAction* Action(CommandId id) const;
    const std::map<CommandId, QAction*>& All() const { return m_actions; }
    QMenuBar* CreateMenuBar(QWidget* parent);
    QToolBar* CreateToolBar(QWidget* parent);
    // The recent files shown in the File menu; open is called with the path.
    void SetRecentFiles(const QStringList& files, const std::function<void(const QString&)>& open);

private:
    QAction* CreateAction(QWidget& owner, CommandId id, std::optional<StringId> menuText, const char* key,
                          bool checkable);

    std::function<void(CommandId)> m_run;
    std::map<CommandId, QAction*> m_actions;
    KeypadKeys* m_keypad;  // owned by the window
    QMenu* m_fileMenu = nullptr;
    std::vector<QAction*> m_recentActions;
};
