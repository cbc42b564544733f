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
    : menuBar(mainMenu), toolBar(mainToolBar), menuBarPalette(mainMenu->palette()),
      toolBarPalette(mainToolBar->palette())
{
    frame->removeToolBar(mainToolBar);
    mainMenu->setNativeMenuBar(false);
    mainToolBar->setMovable(false);
    mainToolBar->setIconSize(kButtonImageSize);
    band = new ChromeBand(mainMenu, mainToolBar, frame);
    const bool wasMenuWidget = frame->menuWidget() == mainMenu;
    frame->setMenuWidget(band);
    // Replacing the menu widget schedules the old one for deletion; the menu
    // bar lives on inside the band.
    if (wasMenuWidget)
        QCoreApplication::removePostedEvents(mainMenu, QEvent::DeferredDelete);
    mainToolBar->show();
    RedrawIcons();
}

void MenuChrome::SetDrawDisabledButtonsInColor(bool inColor)
{
    disabledInColor = inColor;
    RedrawIcons();
}

void MenuChrome::SetWatermark(bool show)
{
    band->SetWatermark(show ? LoadAppImage(BitmapId::Watermark) : QPixmap());
    // The bars let the band's picture show through while it is there.
    menuBar->setPalette(show ? SeeThrough(menuBarPalette) : menuBarPalette);
    toolBar->setPalette(show ? SeeThrough(toolBarPalette) : toolBarPalette);
}

bool MenuChrome::HasWatermark() const
{
    return band->HasWatermark();
}

void MenuChrome::SetOneLine(bool oneLine)
{
    band->SetOneLine(oneLine);
}

bool MenuChrome::IsOneLine() const
{
    return band->IsOneLine();
}

QIcon MenuChrome::CommandIcon(CommandId command)
{
    const QPixmap picture = LoadAppImage(BitmapOf(command));
    return picture.isNull() ? QIcon() : QIcon(picture);
}

void MenuChrome::RedrawIcons()
{
    QList<QAction*> actions;
    CollectActions(toolBar->actions(), actions);
    CollectActions(menuBar->actions(), actions);
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
    option.initFrom(toolBar);
    QIcon redrawn(plain);
    redrawn.addPixmap(disabledInColor
                          ? plain
                          : toolBar->style()->generatedIconPixmap(QIcon::Disabled, plain, &option),
                      QIcon::Disabled);
    action->setIcon(redrawn);
    action->setProperty(kPlainPicture, plain);
    action->setProperty(kChromeIconKey, redrawn.cacheKey());
}
