#include "view/geometry/ViewportMotion.h"

#include "view/geometry/ViewMapping.h"

PixelPoint ViewportMotion::KeepPointUnder(const ViewMapping& before, const ViewMapping& after, PixelPoint at)
{
    const WorldPoint world = before.WindowToWorld(static_cast<double>(at.x), static_cast<double>(at.y));
    // Scrolling by the distance from where the point now shows to the pointer
    // brings it back under the pointer.
    const PixelPoint shown = after.WorldToWindow(world.x, world.y);
    const PixelPoint scroll = after.ScrollPosition();
    return after.ClampedScroll({scroll.x + shown.x - at.x, scroll.y + shown.y - at.y});
}

PixelPoint ViewportMotion::Dragged(const ViewMapping& view, PixelPoint start, PixelPoint moved)
{
    return view.ClampedScroll({start.x - moved.x, start.y - moved.y});
}

PixelPoint ViewportMotion::KeepCentre(const ViewMapping& before, const ViewMapping& after)
{
    return after.ClampedScroll(after.ScrollForViewCentre(before.ViewCentre()));
}

PixelPoint ViewportMotion::CentreOnOrigin(const ViewMapping& view)
{
    return view.ClampedScroll(view.ScrollCentredOnOrigin());
}
