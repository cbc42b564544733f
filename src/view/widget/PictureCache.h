#pragma once

#include "GeometryTypes.h"

#include <QPixmap>

// The last painted image of the view's whole client area, with the picture
// size, client size and scroll position it shows, so that a repaint with
// nothing changed is one copy and a scroll redraws only the uncovered band.
class PictureCache {
public:
    enum class State {
        Rebuild,   // no image, or made for another picture or client size
        Scrolled,  // only the scroll position differs
        Valid,
    };

    State Compare(PixelSize picture, PixelSize client, PixelPoint scroll) const;
    // A new, unpainted image of the client size; false when none could be made.
    bool Rebuild(PixelSize picture, PixelSize client, PixelPoint scroll);
    // Moves the image's drawing area and label strips to show a new scroll
    // position. Returns the region to draw again from the background up:
    // the uncovered band (2 pixels wider on its inner side) across the area
    // and its strip when one axis moved, the whole client area when both did.
    PixelRect Scroll(PixelPoint scroll);
    void Empty();

    QPixmap& Image() { return m_image; }

private:
    PixelRect ScrollAlong(int delta, bool horizontal);

    QPixmap m_image;
    PixelSize m_picture;
    PixelSize m_client;
    PixelPoint m_scroll;
};
