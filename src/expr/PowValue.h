#pragma once

#include <cmath>

// The engine's power, used by pow() and by the "^" operator: x^0 = 1,
// x^1 = x, 0^y = 0 for every other y (negative ones too), else the C
// library's pow.
inline double PowValue(double x, double y)
{
    if (y == 0.0)
        return 1.0;
    if (y == 1.0)
        return x;
    if (x == 0.0)
        return 0.0;
    return std::pow(x, y);
}
