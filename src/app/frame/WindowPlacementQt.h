#pragma once

#include "WindowPlacement.h"

class QRect;
class QWidget;

// The saved placement record on a Qt top-level window.

// Show commands of the record.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;

// Moves the window to the record's normal rectangle; false, with the window
// untouched, when the record holds no placement or the rectangle is empty
// or lies on no screen.
bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement);
// The window's normal rectangle and whether it is maximised or minimised.
// A window shown maximised from the start has no normal rectangle of its
// own yet: lastNormal, where it was placed, stands in for it.
WindowPlacement ReadWindowPlacement(const QWidget& window, const QRect& lastNormal);
// Shows the window as a show command asks; SW_HIDE leaves it hidden.
void ShowWindowAs(QWidget& window, int showCmd);
// Puts the window onto the whole work area of its screen.
void FillWorkArea(QWidget& window);
