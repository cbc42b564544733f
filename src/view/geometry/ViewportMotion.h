#pragma once

#include "view/geometry/GeometryTypes.h"

class ViewMapping;

// Where the view scrolls when the user moves the picture: zooming about the
// pointer, dragging, resizing. Each rule takes the mapping before the change
// and, where the zoom or the client size changed, the mapping after it (its
// picture size and client size set), and gives a scroll position the
// scroll bars allow.
class ViewportMotion {
public:
    // The world point under the window pixel at stays under it after a zoom,
    // as far as the scroll range allows.
    static PixelPoint KeepPointUnder(const ViewMapping& before, const ViewMapping& after, PixelPoint at);
    // A drag that started at the scroll position start and has moved the
    // pointer by moved window pixels: the picture follows the pointer.
    static PixelPoint Dragged(const ViewMapping& view, PixelPoint start, PixelPoint moved);
    // The world point in the middle of the drawing area stays there when the
    // client size changes; a picture that fitted stays centred on the origin.
    static PixelPoint KeepCentre(const ViewMapping& before, const ViewMapping& after);
    // The world origin in the middle of the drawing area.
    static PixelPoint CentreOnOrigin(const ViewMapping& view);
};
