#pragma once

#include <cstdint>

// Plain value types shared by the viewport, tick and curve geometry. Pixel
// values that can lie far outside any window (origins, scroll targets) are
// 64-bit so that no conversion overflows.

struct PixelPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
};

// A window-style rectangle: right and bottom lie just outside it.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A double converted to a pixel count, limited to +-2^62 so that a value far
// out of range (or not finite) cannot overflow the conversion. NaN gives 0.
std::int64_t ClampedPixel(double value);
