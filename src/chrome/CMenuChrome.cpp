#include "CMenuChrome.h"

#include "AppBitmap.h"
#include "CChromeBand.h"
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

CMenuChrome::CMenuChrome(QMainWindow* frame, QMenuBar* mainMenu, QToolBar* mainToolBar)
    : menuBar(mainMenu), toolBar(mainToolBar), menuBarPalette(mainMenu->palette()),
      toolBarPalette(mainToolBar->palette())
{
    frame->removeToolBar(mainToolBar);
    mainMenu->setNativeMenuBar(false);
    mainToolBar->setMovable(false);
    mainToolBar->setIconSize(kButtonImageSize);
    band = new CChromeBand(mainMenu, mainToolBar, frame);
    const bool wasMenuWidget = frame->menuWidget() == mainMenu;
    frame->setMenuWidget(band);
    // Replacing the menu widget schedules the old one for deletion; the menu
    // bar lives on inside the band.
    if (wasMenuWidget)
        QCoreApplication::removePostedEvents(mainMenu, QEvent::DeferredDelete);
    mainToolBar->show();
    RedrawIcons();
}

void CMenuChrome::SetDrawDisabledButtonsInColor(bool inColor)
{
    disabledInColor = inColor;
    RedrawIcons();
}

void CMenuChrome::SetWatermark(bool show)
{
    band->SetWatermark(show ? LoadAppImage(BitmapId::Watermark) : QPixmap());
    // The bars let the band's picture show through while it is there.
    menuBar->setPalette(show ? SeeThrough(menuBarPalette) : menuBarPalette);
    toolBar->setPalette(show ? SeeThrough(toolBarPalette) : toolBarPalette);
}

bool CMenuChrome::HasWatermark() const
{
    return band->HasWatermark();
}

void CMenuChrome::SetOneLine(bool oneLine)
{
    band->SetOneLine(oneLine);
}

bool CMenuChrome::IsOneLine() const
{
    return band->IsOneLine();
}

QIcon CMenuChrome::CommandIcon(CommandId command)
{
    const QPixmap picture = LoadAppImage(BitmapOf(command));
    return picture.isNull() ? QIcon() : QIcon(picture);
}

void CMenuChrome::RedrawIcons()
{
    QList<QAction*> actions;
    CollectActions(toolBar->actions(), actions);
    CollectActions(menuBar->actions(), actions);
    for (QAction* action : actions)
        RedrawIcon(action);
}

void CMenuChrome::RedrawIcon(QAction* action) const
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
