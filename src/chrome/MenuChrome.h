#pragma once

#include "Ids.h"

#include <QIcon>
#include <QPalette>

class ChromeBand;
class QAction;
class QMainWindow;
class QMenuBar;
class QToolBar;

// The look of the main window's menu bar and toolbar. The chrome places
// both in a band that becomes the frame's menu widget (pass a menu bar and
// a toolbar that the frame has not installed itself), and honours three
// settings: disabled buttons and menu icons drawn in colour or greyed, a
// watermark picture behind the two bars, and the toolbar beside the menu
// bar (one line) or below it.
//
// Give the actions their icons (CommandIcon) before constructing the
// chrome: it redraws the disabled look of every icon in the two bars when
// constructed and when the colour setting changes.
class MenuChrome {
public:
    MenuChrome(QMainWindow* frame, QMenuBar* menuBar, QToolBar* toolBar);

    void SetDrawDisabledButtonsInColor(bool inColor);
    bool DrawsDisabledButtonsInColor() const { return m_disabledInColor; }
    void SetWatermark(bool show);
    bool HasWatermark() const;
    void SetOneLine(bool oneLine);
    bool IsOneLine() const;

    // The toolbar picture of a command (16 x 15); a null icon when the
    // command has none.
    static QIcon CommandIcon(CommandId command);

private:
    void RedrawIcons();
    void RedrawIcon(QAction* action) const;

    QMenuBar* m_menuBar;
    QToolBar* m_toolBar;
    ChromeBand* m_band;
    QPalette m_menuBarPalette;
    QPalette m_toolBarPalette;
    bool m_disabledInColor = true;
};
