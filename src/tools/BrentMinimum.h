#pragma once

#include <functional>

struct Minimum {
    double x = 0;
    double value = 0;
};

// How closely Brent's minimiser pins the place: it stops when the bracket
// around the best point is within relative * |x| + absolute of it.
struct MinimumTolerance {
    double relative;
    double absolute;
};

// Brent's minimiser on [a, b], started from the point x inside with the
// value gx: parabolic steps through the three best points, golden-section
// steps when they would not shrink the bracket. A function without a value
// must return +infinity there. Never evaluates outside (a, b); the result is
// no higher than gx.
Minimum BrentMinimum(const std::function<double(double)>& g, double a, double b, double x, double gx,
                     MinimumTolerance tolerance);
