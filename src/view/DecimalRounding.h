#pragma once

#include <cmath>

// RoundToDecimals(v, Decimals) with the power of ten known at compile time:
// sampling rounds three values a sample, and the power is most of the cost
// of the general form (for whole units the scaling vanishes altogether). The
// steps are those of RoundToDecimals, so the results are the same bits; the
// two choices are computed rather than branched on, as sampled values round
// up or down at random.
template <int Decimals>
class DecimalRounding {
public:
    static double Round(double v)
    {
        const double sign = 2.0 * static_cast<double>(v > 0.0) - 1.0;
        const double a = std::fabs(v * kScale);
        const double whole = std::floor(a);
        return (whole + static_cast<double>(a - whole > 0.5)) * sign / kScale;
    }

private:
    static constexpr double PowerOfTen()
    {
        double power = 1.0;
        for (int i = 0; i < Decimals; ++i)
            power *= 10.0;
        return power;
    }

    static constexpr double kScale = PowerOfTen();
};
