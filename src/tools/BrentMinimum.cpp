#include "tools/BrentMinimum.h"

#include <cmath>

namespace {

constexpr double kGolden = 0.3819660112501051;  // (3 - sqrt(5)) / 2
// Golden-section steps alone shrink a bracket 1e40-fold in 200 steps.
constexpr int kMostSteps = 200;

// The best three points so far: x the best, w the second, v the third.
struct Points {
    double x, gx, w, gw, v, gv;
};

// A parabolic step from x through the three points, or NaN when the
// parabola's vertex lies outside (a, b) or it would not shrink the
// bracket fast enough (e is the step before the last one, updated).
double ParabolicStep(const Points& p, double a, double b, double& e, double d)
{
    double r = (p.x - p.w) * (p.gx - p.gv);
    double q = (p.x - p.v) * (p.gx - p.gw);
    double s = (p.x - p.v) * q - (p.x - p.w) * r;
    q = 2 * (q - r);
    if (q > 0)
        s = -s;
    else
        q = -q;
    r = e;
    e = d;
    if (std::fabs(s) < std::fabs(0.5 * q * r) && s > q * (a - p.x) && s < q * (b - p.x))
        return s / q;
    return NAN;
}

}  // namespace

Minimum BrentMinimum(const std::function<double(double)>& g, double a, double b, double x, double gx,
                     MinimumTolerance tolerance)
{
    Points p{x, gx, x, gx, x, gx};
    double d = 0, e = 0;
    for (int step = 0; step < kMostSteps; ++step) {
        const double m = 0.5 * (a + b);
        const double tol = tolerance.relative * std::fabs(p.x) + tolerance.absolute;
        if (std::fabs(p.x - m) <= 2 * tol - 0.5 * (b - a))
            break;
        double move = std::fabs(e) > tol ? ParabolicStep(p, a, b, e, d) : NAN;
        if (!std::isnan(move) && (p.x + move - a < 2 * tol || b - p.x - move < 2 * tol))
            move = p.x < m ? tol : -tol;
        if (std::isnan(move)) {
            e = (p.x < m ? b : a) - p.x;
            move = kGolden * e;
        }
        d = move;
        const double u = p.x + (std::fabs(d) >= tol ? d : std::copysign(tol, d));
        const double gu = g(u);
        if (gu <= p.gx) {
            (u < p.x ? b : a) = p.x;
            p = {u, gu, p.x, p.gx, p.w, p.gw};
        } else {
            (u < p.x ? a : b) = u;
            if (gu <= p.gw || p.w == p.x) {
                p.v = p.w, p.gv = p.gw;
                p.w = u, p.gw = gu;
            } else if (gu <= p.gv || p.v == p.x || p.v == p.w) {
                p.v = u, p.gv = gu;
            }
        }
    }
    return {p.x, p.gx};
}
