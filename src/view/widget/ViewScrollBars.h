#pragma once

#include "view/geometry/GeometryTypes.h"

class QAbstractScrollArea;

// The scroll bars of the graph view: their ranges and steps for a picture
// seen through the drawing area, and the scroll position they hold.
class ViewScrollBars {
public:
    explicit ViewScrollBars(QAbstractScrollArea& area) : m_area(area) {}

    // A page is the drawing area, a line a tenth of it; an axis the picture
    // fits into is disabled.
    void Configure(PixelSize picture, PixelSize area);
    PixelPoint Position() const;
    // Positions beyond a bar's range end at its ends.
    void SetPosition(PixelPoint position, bool xAxis, bool yAxis);
    // Sideways by as many lines per step as the desktop asks for a wheel's.
    void ScrollSideways(int steps);

private:
    QAbstractScrollArea& m_area;
};
