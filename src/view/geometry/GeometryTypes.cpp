#include "view/geometry/GeometryTypes.h"

#include <cmath>

std::int64_t ClampedPixel(double value)
{
    constexpr double kLimit = 4611686018427387904.0;  // 2^62
    if (std::isnan(value))
        return 0;
    if (value > kLimit)
        return static_cast<std::int64_t>(kLimit);
    if (value < -kLimit)
        return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(value);
}
