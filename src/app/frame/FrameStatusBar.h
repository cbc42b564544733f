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

    const QLabel& PositionPane() const { return *m_position; }
    const QLabel& ZoomPane() const { return *m_zoom; }

private:
    QLabel* AddPane(StringId widthTextId);
    void ShowIdleMessage(const QString& message);

    QLabel* m_position;
    QLabel* m_zoom;
    int m_positionWidth;  // the position pane's normal width
};
