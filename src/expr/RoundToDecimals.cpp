#include "RoundToDecimals.h"

#include <cmath>

double RoundToDecimals(double v, int n)
{
    const double sign = v > 0.0 ? 1.0 : -1.0;
    const double scale = std::pow(10.0, n);
    const double a = std::fabs(v * scale);
    const double whole = std::floor(a);
    return (a - whole > 0.5 ? whole + 1.0 : whole) * sign / scale;
}

void RoundToDecimals(double* v, int n)
{
    *v = RoundToDecimals(*v, n);
}
