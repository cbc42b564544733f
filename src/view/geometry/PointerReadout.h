#pragma once

#include "view/geometry/GeometryTypes.h"

#include <cstdint>
#include <string>

// The status bar's pointer position text for a world point (pi multiplied
// in): string 3014 with each value and its suffix. On an axis in units of
// pi the value is divided by pi, rounded to fewer decimals the smaller that
// axis's zoom is, and followed by " pi".
std::string PointerReadout(WorldPoint world, std::int32_t zoomX, std::int32_t zoomY, bool xTimesPi,
                           bool yTimesPi);

// Decimals a value in units of pi keeps at a zoom: 1 up to 10, 2 up to 100,
// 3 at exactly 200, 4 above 100 otherwise.
int PiReadoutDecimals(std::int32_t zoom);
