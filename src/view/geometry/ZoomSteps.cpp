#include "view/geometry/ZoomSteps.h"

#include <cstdio>
#include <limits>

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::int32_t ZoomInStep(std::int32_t zoom, std::int32_t precision)
{
    if (zoom <= 0 || precision <= 0 || zoom / precision > 2 || zoom > kInt32Max / 2)
        return zoom;
    return zoom == 10 ? 25 : zoom * 2;
}

std::int32_t ZoomOutStep(std::int32_t zoom)
{
    if (zoom == 25)
        return 10;
    return zoom > 5 ? zoom / 2 : zoom;
}

bool CanZoomIn(std::int32_t zoom, std::int32_t precision, std::int32_t pictureExtent)
{
    return ZoomInStep(zoom, precision) != zoom && pictureExtent >= 0
        && std::int64_t{zoom} * pictureExtent / 4 <= kInt32Max;
}

bool CanZoomOut(std::int32_t zoom)
{
    return zoom >= 10;
}

std::string ZoomReadout(std::int32_t zoomX, std::int32_t zoomY)
{
    char text[64];
    if (zoomX == zoomY)
        std::snprintf(text, sizeof text, "Current zoom: %d%%", zoomX);
    else
        std::snprintf(text, sizeof text, "Current zoom: (X: %d%%; Y: %d%%)", zoomX, zoomY);
    return text;
}
