#pragma once

#include <cstdint>

// Converts world values of a graph of one precision into stored
// coordinates: units of 1 / (4 * precision), rounded with an exact half
// toward zero.
class PointScale {
public:
    explicit PointScale(std::int32_t precision) : factor(4.0 * precision) {}

    // precision * w * 4 rounded; POINT_ABOVE beyond 2147483647 and
    // POINT_BELOW below -2147483647 (infinities included), so that no value
    // overflows the conversion; POINT_UNDEFINED for NaN.
    std::int32_t Scale(double w) const;
    // Scale for a finite value, POINT_UNDEFINED otherwise.
    std::int32_t ScaleDefined(double w) const;

private:
    double factor;
};
