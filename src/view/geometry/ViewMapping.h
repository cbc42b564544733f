#pragma once

#include "view/geometry/GeometryTypes.h"

#include <cstdint>

class CoordSystem;

// The graph view's picture: the world rectangle of the coordinate system in
// use drawn at zoomX / zoomY pixels per world unit, seen through a client
// area whose drawing area leaves room for the two tick-label strips. Maps
// between world coordinates, picture pixels (origin at the picture's top
// left, y downward) and window pixels (picture pixels minus the scroll
// position, plus a centring offset when the picture is smaller than the
// drawing area).
class ViewMapping {
public:
    // Width of the right label strip plus its frame, and height of the bottom
    // one: the drawing area is the client size less these.
    static constexpr std::int32_t kRightMargin = 65;
    static constexpr std::int32_t kBottomMargin = 40;
    // Zoom the view falls back to when the picture does not fit in 32 bits.
    static constexpr std::int32_t kDefaultZoom = 100;

    ViewMapping(const CoordSystem& coords, std::int32_t zoomX, std::int32_t zoomY);

    std::int32_t ZoomX() const { return m_zoomX; }
    std::int32_t ZoomY() const { return m_zoomY; }
    // World edges with their pi factors applied.
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Right() const { return m_right; }
    double Bottom() const { return m_bottom; }
    // Whether each axis counts in units of pi.
    bool XTimesPi() const { return m_xTimesPi; }
    bool YTimesPi() const { return m_yTimesPi; }

    // True when nothing can be drawn: an edge is not finite, right is not
    // beyond left, top is not above bottom, or a zoom is not positive.
    bool IsEmpty() const;
    // Pixel size of the whole picture; (-1, -1) when it does not fit in
    // 32 bits, (0, 0) for an empty world.
    PixelSize GetPictureSize() const;
    // The size the view takes after a document update: falls back to the
    // default zoom on both axes when the picture or zoom times its extent
    // does not fit in 32 bits, and remembers the result. A picture that does
    // not fit even then is empty.
    PixelSize FitPicture();
    void SetPictureSize(PixelSize size) { m_picture = size; }
    PixelSize PictureSize() const { return m_picture; }

    void SetClientSize(std::int32_t width, std::int32_t height);
    PixelSize ClientSize() const { return m_client; }
    // The drawing area, never negative.
    std::int32_t AreaWidth() const;
    std::int32_t AreaHeight() const;

    void SetScrollPosition(PixelPoint position) { m_scroll = position; }
    PixelPoint ScrollPosition() const { return m_scroll; }

    // Picture pixel of the world point (0, 0).
    PixelPoint GetOrigin() const;
    // A world vector in whole pixels.
    PixelPoint WorldToPixelDelta(double x, double y) const;
    // Shift of the picture inside a drawing area larger than it.
    PixelPoint CentringOffset() const;
    // Extent drawn: the picture's where it is smaller than the area, else
    // the area's.
    PixelSize DrawingSize() const;
    // Window pixel of a world point, rounded.
    PixelPoint WorldToWindow(double x, double y) const;
    // World point under a window pixel; (0, 0) for an empty world.
    WorldPoint WindowToWorld(double windowX, double windowY) const;

    // World offset of the drawing area's centre from the origin; 0 on an
    // axis where the picture fits, so that it stays centred on the origin.
    WorldPoint ViewCentre() const;
    // Scroll position that puts a world offset from the origin (from
    // ViewCentre, possibly at other zooms) in the centre of the area.
    PixelPoint ScrollForViewCentre(WorldPoint centre) const;
    // Scroll position with the world origin in the middle of the area.
    PixelPoint ScrollCentredOnOrigin() const;
    // A scroll position limited to what the scroll bars allow: 0 on an
    // axis where the picture fits in the area.
    PixelPoint ClampedScroll(PixelPoint position) const;

private:
    std::int32_t m_zoomX;
    std::int32_t m_zoomY;
    double m_left = 0.0;
    double m_top = 0.0;
    double m_right = 0.0;
    double m_bottom = 0.0;
    bool m_xTimesPi;
    bool m_yTimesPi;
    PixelSize m_picture{1, 1};
    PixelSize m_client;
    PixelPoint m_scroll;
};
