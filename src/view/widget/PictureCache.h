#pragma once

#include "view/geometry/GeometryTypes.h"

#include <QImage>

class QRect;

// The last painted image of the view's whole client area, with the picture
// size, client size, scroll position and device pixel ratio it shows, so
// that a repaint with nothing changed is one copy and a scroll redraws only
// the uncovered band. The image has ratio times the client's pixels; every
// position given to or returned by the cache is in window pixels.
class PictureCache {
public:
    enum class State {
        Rebuild,   // no image, or made for another picture, client size or ratio
        Scrolled,  // only the scroll position differs
        Valid,
    };

    State Compare(PixelSize picture, PixelSize client, PixelPoint scroll, double ratio) const;
    // A new, unpainted image of the client size at the ratio; false when none
    // could be made.
    bool Rebuild(PixelSize picture, PixelSize client, PixelPoint scroll, double ratio);
    // Moves the image's drawing area and label strips to show a new scroll
    // position. Returns the region to draw again from the background up:
    // the uncovered band (2 pixels wider on its inner side) across the area
    // and its strip when one axis moved, the whole client area when both did
    // or when the move is not a whole number of the image's pixels.
    PixelRect Scroll(PixelPoint scroll);
    void Empty();

    QImage& Image() { return m_image; }
    // The image's pixels under a rectangle of window pixels.
    QRect ImageRect(const QRect& window) const;

private:
    PixelRect ScrollAlong(int delta, bool horizontal);
    void ScrollPixels(int dx, int dy, const QRect& rect);

    QImage m_image;
    PixelSize m_picture;
    PixelSize m_client;
    PixelPoint m_scroll;
    double m_ratio = 1.0;
};
