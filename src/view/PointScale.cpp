#include "PointScale.h"

#include "RoundToDecimals.h"
#include "ScaledPoint.h"

#include <cmath>

std::int32_t PointScale::Scale(double w) const
{
    constexpr double kLimit = 2147483647.0;
    const double s = factor * w;
    if (s > kLimit)
        return POINT_ABOVE;
    if (s < -kLimit)
        return POINT_BELOW;
    if (std::isnan(s))
        return POINT_UNDEFINED;
    return static_cast<std::int32_t>(RoundToDecimals(s, 0));
}

std::int32_t PointScale::ScaleDefined(double w) const
{
    return std::isfinite(w) ? Scale(w) : POINT_UNDEFINED;
}
