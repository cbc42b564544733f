#pragma once

#include "model/ScaledPoint.h"

#include <cmath>
#include <cstdint>

// Converts world values of a graph of one precision into stored
// coordinates: units of 1 / (4 * precision), rounded with an exact half
// toward zero.
class PointScale {
public:
    explicit PointScale(std::int32_t precision) : m_factor(4.0 * precision) {}

    // precision * w * 4 rounded; POINT_ABOVE beyond 2147483647 and
    // POINT_BELOW below -2147483647 (infinities included), so that no value
    // overflows the conversion; POINT_UNDEFINED for NaN. Inline: the
    // sampler scales two values a sample.
    std::int32_t Scale(double w) const
    {
        constexpr double kLimit = 2147483647.0;
        const double s = m_factor * w;
        const double a = std::fabs(s);
        if (!(a <= kLimit)) [[unlikely]]
            return s > 0.0 ? POINT_ABOVE : s < 0.0 ? POINT_BELOW : POINT_UNDEFINED;
        // RoundToDecimals(s, 0) through an integer truncation, which is
        // floor for a <= kLimit and needs no floor call; a - whole is exact.
        const auto whole = static_cast<std::int32_t>(a);
        const std::int32_t rounded = whole + (a - whole > 0.5);
        return s > 0.0 ? rounded : -rounded;
    }
    // Scale for a finite value, POINT_UNDEFINED otherwise.
    std::int32_t ScaleDefined(double w) const { return std::isfinite(w) ? Scale(w) : POINT_UNDEFINED; }

private:
    double m_factor;
};
