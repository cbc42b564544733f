#include "app/frame/FrameActions.h"

#include "gui/AppText.h"
#include "chrome/MenuChrome.h"
#include "app/frame/FrameCommands.h"
#include "IdConversions.h"
#include "app/frame/KeypadKeys.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

FrameActions::FrameActions(QWidget& owner, std::function<void(CommandId)> runCommand)
    : m_run(std::move(runCommand)), m_keypad(new KeypadKeys(owner, this->m_run))
{
    for (const FrameCommandInfo& command : FrameCommandTable())
        CreateAction(owner, command.id, command.menuText, command.key, command.checkable);
    CreateAction(owner, CommandId::FirstRecentFile, StringId::RecentFilePlaceholder, "", false)->setEnabled(false);
}

// The command's string holds "prompt\ntip"; the prompt goes to the status
// bar, the tip to the toolbar button.
QAction* FrameActions::CreateAction(QWidget& owner, CommandId id, std::optional<StringId> menuText, const char* key,
                                    bool checkable)
{
    auto* action = new QAction(menuText ? AppText(*menuText) : QString(), &owner);
    const QStringList prompt = AppText(PromptOf(id)).split(QLatin1Char('\n'));
    action->setStatusTip(prompt.value(0));
    action->setToolTip(prompt.value(1, prompt.value(0)));
    if (const auto keypadKey = KeypadKeys::Parse(key)) {
        m_keypad->Add(*keypadKey, id);
        action->setText(action->text() + QLatin1Char('\t') + KeypadKeys::MenuText(key));
    } else if (*key) {
        action->setShortcut(QKeySequence(QString::fromLatin1(key)));
    }
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(checkable);
    action->setData(NumberOf(id));
    action->setIcon(MenuChrome::CommandIcon(id));
    QObject::connect(action, &QAction::triggered, &owner, [this, id] { m_run(id); });
    // Commands without a menu item still answer their keys.
    owner.addAction(action);
    m_actions[id] = action;
    return action;
}

QAction* FrameActions::Action(CommandId id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
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
            menu = bar->addMenu(AppText(entry.text));
            m_fileMenu = m_fileMenu ? m_fileMenu : menu;
            break;
        case MenuEntry::SubMenu:
            subMenu = menu->addMenu(AppText(entry.text));
            break;
        case MenuEntry::EndSubMenu:
            subMenu = nullptr;
            break;
        case MenuEntry::Separator:
            target->addSeparator();
            break;
        case MenuEntry::Command:
        case MenuEntry::RecentFiles:
            target->addAction(Action(entry.command));
            break;
        }
    }
    return bar;
}

QToolBar* FrameActions::CreateToolBar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("toolBar"));
    for (const std::optional<CommandId>& id : FrameToolbarLayout()) {
        if (id)
            bar->addAction(Action(*id));
        else
            bar->addSeparator();
    }
    return bar;
}

// The files take the placeholder's place; "Recent File" shows, disabled,
// while there are none.
void FrameActions::SetRecentFiles(const QStringList& files, const std::function<void(const QString&)>& open)
{
    for (QAction* action : m_recentActions)
        delete action;
    m_recentActions.clear();
    QAction* placeholder = Action(CommandId::FirstRecentFile);
    placeholder->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])),
                                   m_fileMenu);
        action->setStatusTip(AppText(PromptOf(CommandId::FirstRecentFile)));
        QObject::connect(action, &QAction::triggered, m_fileMenu, [open, path = files[i]] { open(path); });
        m_fileMenu->insertAction(placeholder, action);
        m_recentActions.push_back(action);
    }
}
