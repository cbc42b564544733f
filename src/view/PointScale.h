#pragma once

#include "ScaledPoint.h"

#include <cmath>
#include <cstdint>

// Converts world values of a graph of one precision into stored
// coordinates: units of 1 / (4 * precision), rounded with an exact half
// toward zero.
class PointScale {
public:
    explicit PointScale(std::int32_t precision) : factor(4.0 * precision) {}

    // precision * w * 4 rounded; POINT_ABOVE beyond 2147483647 and
    // POINT_BELOW below -2147483647 (infinities included), so that no value
    // overflows the conversion; POINT_UNDEFINED for NaN. Inline: the
    // sampler scales two values a sample.
    std::int32_t Scale(double w) const
    {
        constexpr double kLimit = 2147483647.0;
        const double s = factor * w;
        if (s > kLimit)
            return POINT_ABOVE;
        if (s < -kLimit)
            return POINT_BELOW;
        if (std::isnan(s))
            return POINT_UNDEFINED;
        // RoundToDecimals(s, 0) through an integer truncation, which is
        // floor for |s| <= kLimit and needs no floor call; a - whole is exact.
        const double a = std::fabs(s);
        const std::int64_t whole = static_cast<std::int64_t>(a);
        const auto rounded = static_cast<std::int32_t>(whole + (a - static_cast<double>(whole) > 0.5));
        return s > 0.0 ? rounded : -rounded;
    }
    // Scale for a finite value, POINT_UNDEFINED otherwise.
    std::int32_t ScaleDefined(double w) const { return std::isfinite(w) ? Scale(w) : POINT_UNDEFINED; }

private:
    double factor;
};
