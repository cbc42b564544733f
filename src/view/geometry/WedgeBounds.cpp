#include "view/geometry/WedgeBounds.h"

#include <algorithm>
#include <cmath>
#include <utility>

// The part is convex, so its extremes lie among the origin, the crossing of
// the two edges, the edges' ends on the circle and the circle's own
// extremes, wherever these lie in the part.
WedgeBounds WedgeBounds::Of(double radius, double ax, double ay, double bx, double by, double slack)
{
    constexpr double kTolerance = 1e-9;
    const auto inside = [&](double x, double y) {
        return x * ax + y * ay <= slack + kTolerance && x * bx + y * by <= slack + kTolerance;
    };
    WedgeBounds bounds;
    const double cosine = ax * bx + ay * by;
    if (cosine > -1.0 + kTolerance) {
        const double scale = slack / (1.0 + cosine);
        const double x = (ax + bx) * scale;
        const double y = (ay + by) * scale;
        if (x * x + y * y <= radius * radius)
            bounds.Take(x, y);
    }
    const double edge = std::sqrt(std::max(radius * radius - slack * slack, 0.0));
    for (const auto& [wx, wy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
        for (const double side : {-edge, edge}) {
            const double x = slack * wx - side * wy;
            const double y = slack * wy + side * wx;
            if ((wx != 0.0 || wy != 0.0) && inside(x, y))
                bounds.Take(x, y);
        }
    }
    for (const auto& [x, y] : {std::pair{radius, 0.0}, {-radius, 0.0}, {0.0, radius}, {0.0, -radius}}) {
        if (inside(x, y))
            bounds.Take(x, y);
    }
    return bounds;
}

void WedgeBounds::Take(double x, double y)
{
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
}
