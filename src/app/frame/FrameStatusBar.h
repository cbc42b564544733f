#pragma once

#include "Ids.h"

#include <QStatusBar>

class QLabel;

// The main window's status bar: the message line (command prompts, else
// "For Help, press F1"), the pointer position, the zoom read-out and the
// Caps, Num and Scroll Lock indicators.
class FrameStatusBar : public QStatusBar {
public:
    explicit FrameStatusBar(QWidget* parent);

    void SetCursorPosText(const QString& text);
    // The position pane shrinks to one pixel while the read-out is off and
    // is enabled only while there is a computed picture.
    void UpdatePositionPane(bool showCurrPos, bool computed);
    // While there is a computed picture the pane shows the zoom; otherwise
    // it is disabled and keeps its text.
    void UpdateZoomPane(bool computed, int zoomX, int zoomY);

    const QLabel& PositionPane() const { return *position; }
    const QLabel& ZoomPane() const { return *zoom; }

private:
    QLabel* AddPane(StringId widthTextId);
    void ShowIdleMessage(const QString& message);

    QLabel* position;
    QLabel* zoom;
    int positionWidth;  // the position pane's normal width
};
