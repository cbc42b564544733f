#pragma once

#include <cmath>

namespace RoundingDetail {

// 10^0 ... 10^22, every one exact as a double.
inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

inline double PowerOfTen(int n)
{
    return (n >= 0 && n <= 22) ? kPowersOfTen[n] : std::pow(10.0, n);
}

}  // namespace RoundingDetail

// Rounds v to n decimals; an exact half goes toward zero
// (RoundToDecimals(2.5, 0) == 2, RoundToDecimals(-2.5, 0) == -2). Inline:
// sampling rounds several values a sample, and with a constant n the power
// of ten folds away. The up-or-down choice is computed rather than branched
// on, since sampled values round either way at random.
inline double RoundToDecimals(double v, int n)
{
    const double sign = 2.0 * static_cast<double>(v > 0.0) - 1.0;
    const double scale = RoundingDetail::PowerOfTen(n);
    const double a = std::fabs(v * scale);
    // floor(a) through an integer truncation where a may have a fraction
    // (from 2^52 on every double is whole); NaN and infinity pass through.
    const double whole = a < 4503599627370496.0 ? static_cast<double>(static_cast<long long>(a)) : a;
    return (whole + static_cast<double>(a - whole > 0.5)) * sign / scale;
}

// The same rounding in place.
inline void RoundToDecimals(double* v, int n)
{
    *v = RoundToDecimals(*v, n);
}
