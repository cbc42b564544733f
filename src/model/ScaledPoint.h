#pragma once

#include <cstdint>

// One computed sample: both coordinates in units of 1 / (4 * precision) of a
// world unit, so that drawing needs no floating point. A coordinate equal to
// one of the markers below is not a position.
struct ScaledPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The function is not a finite number at this sample.
inline constexpr std::int32_t POINT_UNDEFINED = 0x7FFFFFFF;
// The scaled value is greater than 2147483647.
inline constexpr std::int32_t POINT_ABOVE = 0x7FFFFFFE;
// The scaled value is less than -2147483647.
inline constexpr std::int32_t POINT_BELOW = -2147483646;
