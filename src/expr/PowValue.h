#pragma once

#include <cmath>

namespace PowDetail {

// a * b as product + error exactly (Dekker), for |a|, |b| well inside the
// double range.
inline double ProductError(double a, double b, double product)
{
    constexpr double kSplit = 134217729.0;  // 2^27 + 1
    const double ca = kSplit * a;
    const double aHigh = ca - (ca - a);
    const double aLow = a - aHigh;
    const double cb = kSplit * b;
    const double bHigh = cb - (cb - b);
    const double bLow = b - bHigh;
    return ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// x^3 computed exactly and rounded once.
inline double Cube(double x)
{
    const double square = x * x;
    const double squareError = ProductError(x, x, square);
    const double cube = square * x;
    return cube + (ProductError(square, x, cube) + squareError * x);
}

}  // namespace PowDetail

// The cases pow() and root() settle before any arithmetic: x^0 = 1,
// x^1 = x, 0^y = 0 for every other y (negative ones too).
inline bool PowSpecialCase(double x, double y, double& result)
{
    if (y == 0.0)
        result = 1.0;
    else if (y == 1.0)
        result = x;
    else if (x == 0.0)
        result = 0.0;
    else
        return false;
    return true;
}

// x^2 and x^3 as PowValue gives them, for formulas whose exponent is a
// constant 2 or 3. Both are computed exactly and rounded once: faster than
// pow and at least as accurate. 0 (and -0) gives 0.
inline double PowSquare(double x)
{
    return x * x;
}

inline double PowCube(double x)
{
    if (x == 0.0)
        return 0.0;
    if (std::fabs(x) > 1e-90 && std::fabs(x) < 1e90)
        return PowDetail::Cube(x);
    return std::pow(x, 3.0);
}

// The engine's power, used by pow() and by the "^" operator: the special
// cases, squares and cubes, else the C library's pow.
inline double PowValue(double x, double y)
{
    if (double special; PowSpecialCase(x, y, special))
        return special;
    if (y == 2.0)
        return PowSquare(x);
    if (y == 3.0)
        return PowCube(x);
    return std::pow(x, y);
}
