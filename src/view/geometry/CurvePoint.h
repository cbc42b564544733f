#pragma once

#include <cstdint>

// One computed sample as the curve pass reads it: both coordinates in
// stored units of 1 / (4 * precision) world units. Same layout as the
// computation's samples, so their array can be viewed as these.
struct CurvePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Coordinates that are not positions: the value was not a finite number,
// or it lay above or below what 32 bits hold.
inline constexpr std::int32_t kCurveUndefined = 0x7FFFFFFF;
inline constexpr std::int32_t kCurveAbove = 0x7FFFFFFE;
inline constexpr std::int32_t kCurveBelow = -2147483646;
