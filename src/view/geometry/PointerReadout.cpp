#include "view/geometry/PointerReadout.h"

#include "expr/RoundToDecimals.h"
#include "StringTable.h"

#include <cstdio>

namespace {
constexpr double kOneOverPi = 0.3183098861837907;

struct AxisValue {
    double value;
    const char* suffix;
};

AxisValue OnAxis(double world, std::int32_t zoom, bool timesPi)
{
    if (!timesPi)
        return {world, ""};
    return {RoundToDecimals(world * kOneOverPi, PiReadoutDecimals(zoom)), " pi"};
}

}  // namespace

int PiReadoutDecimals(std::int32_t zoom)
{
    if (zoom <= 10)
        return 1;
    if (zoom <= 100)
        return 2;
    return zoom == 200 ? 3 : 4;
}

std::string PointerReadout(WorldPoint world, std::int32_t zoomX, std::int32_t zoomY, bool xTimesPi,
                           bool yTimesPi)
{
    const char* format = LoadAppString(StringId::PointerReadout);
    if (!format)
        return {};
    const AxisValue x = OnAxis(world.x, zoomX, xTimesPi);
    const AxisValue y = OnAxis(world.y, zoomY, yTimesPi);
    char text[128];
    // Adding +0 writes a rounded negative zero as 0.
    std::snprintf(text, sizeof text, format, x.value + 0.0, x.suffix, y.value + 0.0, y.suffix);
    return text;
}
