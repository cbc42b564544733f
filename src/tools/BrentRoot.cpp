#include "tools/BrentRoot.h"

#include <algorithm>
#include <cmath>

namespace {

// More than enough for any bracket of doubles: bisection alone needs at most
// about 2100 halvings from the largest double to the smallest, but a bracket
// between two samples is short; this only guards against a function whose
// values change from one call to the next.
constexpr int kMostSteps = 2200;

// The step Brent's method takes from b, the best end, toward c, the other
// end; a the previous b; e the step before the last one, updated.
double NextStep(double a, double fa, double b, double fb, double c, double fc, double tol, double& d, double& e)
{
    const double m = 0.5 * (c - b);
    if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
        d = e = m;
        return d;
    }
    double p, q;
    const double s = fb / fa;
    if (a == c) {  // secant
        p = 2 * m * s;
        q = 1 - s;
    } else {  // inverse quadratic interpolation
        const double qa = fa / fc, r = fb / fc;
        p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
        q = (qa - 1) * (r - 1) * (s - 1);
    }
    if (p > 0)
        q = -q;
    else
        p = -p;
    if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
    } else {
        d = e = m;
    }
    return d;
}

}  // namespace

RootBracket BrentRoot(const std::function<double(double)>& f, double a, double fa, double b, double fb)
{
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (int step = 0; step < kMostSteps; ++step) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b, fa = fb;
            b = c, fb = fc;
            c = a, fc = fa;
        }
        const double next = std::nextafter(b, c);
        if (fb == 0 || next == c)
            break;
        const double tol = std::fabs(next - b);
        const double move = NextStep(a, fa, b, fb, c, fc, tol, d, e);
        a = b;
        fa = fb;
        b = std::fabs(move) > tol ? b + move : next;
        fb = f(b);
        if (std::isnan(fb))
            return {b, fb, c, fc, true};
    }
    return {b, fb, c, fc, false};
}
