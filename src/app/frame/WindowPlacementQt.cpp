#include "app/frame/WindowPlacementQt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement)
{
    if (placement.length != static_cast<std::int32_t>(WindowPlacement::kImageSize) || !placement.HasUsableRect())
        return false;
    const WindowPlacement::Rect& r = placement.normalPosition;
    const QRect rect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    if (!QGuiApplication::screenAt(rect.center()))
        return false;
    window.setGeometry(rect);
    return true;
}

WindowPlacement ReadWindowPlacement(const QWidget& window, const QRect& lastNormal)
{
    WindowPlacement placement;
    placement.length = WindowPlacement::kImageSize;
    placement.showCmd = window.isMaximized()   ? SW_SHOWMAXIMIZED
                        : window.isMinimized() ? SW_SHOWMINIMIZED
                                               : SW_SHOWNORMAL;
    const bool normal = placement.showCmd == SW_SHOWNORMAL;
    const QRect rect = window.normalGeometry().isValid() ? window.normalGeometry()
                       : normal                          ? window.geometry()
                                                         : lastNormal;
    placement.normalPosition = {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    return placement;
}

void ShowWindowAs(QWidget& window, int showCmd)
{
    if (showCmd == SW_SHOWMAXIMIZED)
        window.showMaximized();
    else if (showCmd == SW_SHOWMINIMIZED)
        window.showMinimized();
    else
        window.show();
}

void FillWorkArea(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen)
        window.setGeometry(screen->availableGeometry());
}
