#pragma once

#include <QRect>
#include <QSize>

// The regions of the graph view's client area: the drawing area, the
// vertical tick-label strip on its right and the horizontal one below it.
class ViewLayout {
public:
    explicit ViewLayout(QSize client) : m_client(client) {}

    int AreaWidth() const;
    int AreaHeight() const;
    QRect Area() const { return {0, 0, AreaWidth(), AreaHeight()}; }
    QRect RightStrip() const;
    QRect BottomStrip() const;
    // The corner right of the bottom strip and below the right one.
    QRect Corner() const;
    // Filled white before anything is drawn: the area and its frame lines.
    QRect Background() const;
    QSize Client() const { return m_client; }

private:
    QSize m_client;
};
