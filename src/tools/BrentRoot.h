#pragma once

#include <functional>

// The end of a root search between two samples of opposite signs: either an
// exact zero at x, or x and other adjacent doubles on either side of the
// sign change, x the one with the smaller |f|.
struct RootBracket {
    double x = 0;
    double fx = 0;
    double other = 0;
    double fOther = 0;
    bool undefined = false;  // f had no value somewhere inside the bracket
};

// Brent's method: inverse quadratic and secant steps, falling back to
// bisection whenever they do not shrink the bracket fast enough; steps never
// shorter than one double, so that it ends on adjacent doubles.
RootBracket BrentRoot(const std::function<double(double)>& f, double a, double fa, double b, double fb);
