#include "chrome/MenuChrome.h"

#include "gui/AppBitmap.h"
#include "chrome/ChromeBand.h"
#include "IdConversions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>

namespace {
const QSize kButtonImageSize(16, 15);

// The picture an icon was made from, and the cache key of the icon the
// chrome made from it, kept on the action.
constexpr const char* kPlainPicture = "curvixPlainPicture";
constexpr const char* kChromeIconKey = "curvixChromeIconKey";

void CollectActions(const QList<QAction*>& actions, QList<QAction*>& all)
{
    for (QAction* action : actions) {
        all.append(action);
        if (QMenu* menu = action->menu())
            CollectActions(menu->actions(), all);
    }
}

QPalette SeeThrough(QPalette palette)
{
    palette.setBrush(QPalette::Window, Qt::transparent);
    return palette;
}

}  // namespace

MenuChrome::MenuChrome(QMainWindow* frame, QMenuBar* mainMenu, QToolBar* mainToolBar)
    : m_menuBar(mainMenu), m_toolBar(mainToolBar), m_menuBarPalette(mainMenu->palette()),
      m_toolBarPalette(mainToolBar->palette())
{
    frame->removeToolBar(mainToolBar);
    mainMenu->setNativeMenuBar(false);
    mainToolBar->setMovable(false);
    mainToolBar->setIconSize(kButtonImageSize);
    m_band = new ChromeBand(mainMenu, mainToolBar, frame);
    const bool wasMenuWidget = frame->menuWidget() == mainMenu;
    frame->setMenuWidget(m_band);
    // Replacing the menu widget schedules the old one for deletion; the menu
    // bar lives on inside the band.
    if (wasMenuWidget)
        QCoreApplication::removePostedEvents(mainMenu, QEvent::DeferredDelete);
    mainToolBar->show();
    RedrawIcons();
}

void MenuChrome::SetDrawDisabledButtonsInColor(bool inColor)
{
    m_disabledInColor = inColor;
    RedrawIcons();
}

void MenuChrome::SetWatermark(bool show)
{
    m_band->SetWatermark(show ? LoadAppImage(BitmapId::Watermark) : QPixmap());
    // The bars let the band's picture show through while it is there.
    m_menuBar->setPalette(show ? SeeThrough(m_menuBarPalette) : m_menuBarPalette);
    m_toolBar->setPalette(show ? SeeThrough(m_toolBarPalette) : m_toolBarPalette);
}

bool MenuChrome::HasWatermark() const
{
    return m_band->HasWatermark();
}

void MenuChrome::SetOneLine(bool oneLine)
{
    m_band->SetOneLine(oneLine);
}

bool MenuChrome::IsOneLine() const
{
    return m_band->IsOneLine();
}

QIcon MenuChrome::CommandIcon(CommandId command)
{
    const QPixmap picture = LoadAppImage(BitmapOf(command));
    return picture.isNull() ? QIcon() : QIcon(picture);
}

void MenuChrome::RedrawIcons()
{
    QList<QAction*> actions;
    CollectActions(m_toolBar->actions(), actions);
    CollectActions(m_menuBar->actions(), actions);
    for (QAction* action : actions)
        RedrawIcon(action);
}

void MenuChrome::RedrawIcon(QAction* action) const
{
    const QIcon icon = action->icon();
    if (icon.isNull())
        return;
    // An icon the frame has replaced since is taken as the new plain one.
    QPixmap plain = action->property(kPlainPicture).value<QPixmap>();
    if (plain.isNull() || action->property(kChromeIconKey).toLongLong() != icon.cacheKey())
        plain = icon.pixmap(kButtonImageSize);

    QStyleOption option;
    option.initFrom(m_toolBar);
    QIcon redrawn(plain);
    redrawn.addPixmap(m_disabledInColor
                          ? plain
                          : m_toolBar->style()->generatedIconPixmap(QIcon::Disabled, plain, &option),
                      QIcon::Disabled);
    action->setIcon(redrawn);
    action->setProperty(kPlainPicture, plain);
    action->setProperty(kChromeIconKey, redrawn.cacheKey());
}
