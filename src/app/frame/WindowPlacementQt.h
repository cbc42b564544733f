#pragma once

#include "model/WindowPlacement.h"

class QRect;
class QWidget;

// The saved placement record on a Qt top-level window.

// Moves the window to the record's normal rectangle; false, with the window
// untouched, when the record holds no placement or the rectangle is unusable
// or lies on no screen.
bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement);
// The window's normal rectangle and whether it is maximised or minimised.
// A window shown maximised from the start has no normal rectangle of its
// own yet: lastNormal, where it was placed, stands in for it.
WindowPlacement ReadWindowPlacement(const QWidget& window, const QRect& lastNormal);
// Shows the window maximised, minimised or normal as a show command asks;
// any other command shows it normal.
void ShowWindowAs(QWidget& window, int showCmd);
// Puts the window onto the whole work area of its screen.
void FillWorkArea(QWidget& window);
