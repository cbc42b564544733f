#include "FrameActions.h"

#include "AppText.h"
#include "CMenuChrome.h"
#include "FrameCommands.h"
#include "KeypadKeys.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

constexpr unsigned kRecentFilePlaceholder = 18016;

}  // namespace

FrameActions::FrameActions(QWidget& owner, std::function<void(unsigned)> runCommand)
    : run(std::move(runCommand)), keypad(new KeypadKeys(owner, this->run))
{
    for (const FrameCommandInfo& command : FrameCommandTable())
        CreateAction(owner, command.id, command.menuTextId, command.key, command.checkable);
    CreateAction(owner, ID_FILE_MRU_FILE1, kRecentFilePlaceholder, "", false)->setEnabled(false);
}

// The command's string holds "prompt\ntip"; the prompt goes to the status
// bar, the tip to the toolbar button.
QAction* FrameActions::CreateAction(QWidget& owner, unsigned id, unsigned menuTextId, const char* key,
                                    bool checkable)
{
    auto* action = new QAction(menuTextId ? AppText(menuTextId) : QString(), &owner);
    const QStringList prompt = AppText(id).split(QLatin1Char('\n'));
    action->setStatusTip(prompt.value(0));
    action->setToolTip(prompt.value(1, prompt.value(0)));
    if (const auto keypadKey = KeypadKeys::Parse(key)) {
        keypad->Add(*keypadKey, id);
        action->setText(action->text() + QLatin1Char('\t') + KeypadKeys::MenuText(key));
    } else if (*key) {
        action->setShortcut(QKeySequence(QString::fromLatin1(key)));
    }
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(checkable);
    action->setData(id);
    action->setIcon(CMenuChrome::CommandIcon(id));
    QObject::connect(action, &QAction::triggered, &owner, [this, id] { run(id); });
    // Commands without a menu item still answer their keys.
    owner.addAction(action);
    actions[id] = action;
    return action;
}

QAction* FrameActions::Action(unsigned id) const
{
    const auto found = actions.find(id);
    return found == actions.end() ? nullptr : found->second;
}

QMenuBar* FrameActions::CreateMenuBar(QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    QMenu* menu = nullptr;
    QMenu* subMenu = nullptr;
    for (const MenuEntry& entry : FrameMenuLayout()) {
        QMenu* target = subMenu ? subMenu : menu;
        switch (entry.kind) {
        case MenuEntry::Title:
            menu = bar->addMenu(AppText(entry.id));
            fileMenu = fileMenu ? fileMenu : menu;
            break;
        case MenuEntry::SubMenu:
            subMenu = entry.id ? menu->addMenu(AppText(entry.id)) : nullptr;
            break;
        case MenuEntry::Separator:
            target->addSeparator();
            break;
        case MenuEntry::Command:
        case MenuEntry::RecentFiles:
            target->addAction(Action(entry.id));
            break;
        }
    }
    return bar;
}

QToolBar* FrameActions::CreateToolBar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("toolBar"));
    for (unsigned id : FrameToolbarLayout()) {
        if (id)
            bar->addAction(Action(id));
        else
            bar->addSeparator();
    }
    return bar;
}

// The files take the placeholder's place; "Recent File" shows, disabled,
// while there are none.
void FrameActions::SetRecentFiles(const QStringList& files, const std::function<void(const QString&)>& open)
{
    for (QAction* action : recentActions)
        delete action;
    recentActions.clear();
    QAction* placeholder = Action(ID_FILE_MRU_FILE1);
    placeholder->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])),
                                   fileMenu);
        action->setStatusTip(AppText(ID_FILE_MRU_FILE1));
        QObject::connect(action, &QAction::triggered, fileMenu, [open, path = files[i]] { open(path); });
        fileMenu->insertAction(placeholder, action);
        recentActions.push_back(action);
    }
}
