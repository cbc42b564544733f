#pragma once

#include <QColor>

class QPainter;
class QRect;
class ViewLayout;

// The sunken frame of the two tick-label strips and the black lines that
// close the drawing area, in the system's button colours.
class FramePainter {
public:
    static QColor ButtonFace();
    // Fills the drawing area white and draws the frame of each strip that
    // meets the painted region.
    static void DrawBackground(QPainter& painter, const ViewLayout& layout, const QRect& paint);
    static void DrawFrame(QPainter& painter, const ViewLayout& layout, const QRect& paint);

private:
    static void DrawRightStrip(QPainter& painter, const ViewLayout& layout);
    static void DrawBottomStrip(QPainter& painter, const ViewLayout& layout);
};
