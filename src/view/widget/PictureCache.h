#pragma once

#include "view/geometry/GeometryTypes.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;

// The last painted image of the view's whole client area, with the picture
// size, client size, scroll position and device pixel ratio it shows, so
// that a repaint with nothing changed is one copy and a scroll redraws only
// the uncovered band. The image has ratio times the client's pixels; every
// position given to or returned by the cache is in window pixels.
//
// A scroll moves no pixels: the drawing area is stored wrapped around in the
// image, starting at a shift along each axis (the label strip below it wraps
// with it across, the one beside it down), and a scroll only moves the
// shifts. Drawing into the image and copying out of it go through the
// pieces a window rectangle is stored in.
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
    // Moves the drawing area and label strips to show a new scroll position.
    // Returns the region to draw again from the background up: the uncovered
    // band (2 pixels wider on its inner side) across the area and its strip
    // when one axis moved, the whole client area when both did or when the
    // move is not a whole number of the image's pixels.
    PixelRect Scroll(PixelPoint scroll);
    void Empty();
    bool IsEmpty() const { return m_image.isNull(); }

    // Hands draw a painter on the image for each piece of a window
    // rectangle, set to draw that piece in window coordinates.
    void Draw(const QRect& window, const std::function<void(QPainter&, const QRect&)>& draw);
    // Copies a window rectangle of the picture to the same place of target.
    void CopyTo(QPainter& target, const QRect& window) const;

private:
    // A part of a window rectangle stored in one piece: where it is in the
    // image, in window pixels, is window moved by shift.
    struct Piece {
        QRect window;
        QPoint shift;
    };

    // The pieces a window rectangle is stored in (one when nothing has
    // scrolled since the image was made).
    std::vector<Piece> Pieces(const QRect& window) const;
    void MoveShift(int delta, bool horizontal);
    // The image's pixels under a rectangle of window pixels.
    QRect ImageRect(const QRect& window) const;

    QImage m_image;
    PixelSize m_picture;
    PixelSize m_client;
    PixelPoint m_scroll;
    double m_ratio = 1.0;
    QPoint m_shift;  // of the drawing area's first pixel, in window pixels
};
