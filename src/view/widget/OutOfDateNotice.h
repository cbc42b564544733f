#pragma once

#include <QRect>

class QPainter;
class ViewLayout;

// The small notice in the drawing area's top right corner that the picture
// no longer shows the document ("Press F5 to redraw"). Drawn over the
// window only, never into the picture cache or an exported picture.
class OutOfDateNotice {
public:
    static QRect Rect(const ViewLayout& layout);
    static void Draw(QPainter& painter, const ViewLayout& layout);
};
