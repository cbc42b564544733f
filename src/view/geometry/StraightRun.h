#pragma once

#include <optional>

// A straight stretch of a line: a number of equal steps from its start to
// its end, in pixel coordinates. A segment between points of the quarter
// pixel grid steps by the shortest whole vector of quarter pixels along it,
// so that segments that go on in the same direction join into one run, and
// offsets from any step of a run give exactly the same distances from its
// line. Any other segment is a run of one step.
struct StraightRun {
    struct Point {
        double x = 0.0;
        double y = 0.0;
    };

    // Empty when a coordinate or the length is not finite.
    static std::optional<StraightRun> Between(Point from, Point to);

    // Takes in a run that starts at this one's end in the same direction,
    // both on the grid; false (and no change) otherwise.
    bool Extend(const StraightRun& next);

    bool IsDot() const { return length == 0.0; }

    Point from;
    Point to;
    double stepX = 0.0;  // one step
    double stepY = 0.0;
    double steps = 0.0;
    double length = 0.0;
    double alongX = 0.0;  // the unit direction
    double alongY = 0.0;
    // The direction as whole quarter pixels on the grid, else the unit
    // direction; the distance of an offset (px, py) from the line is
    // (py * lineX - px * lineY) / lineLength.
    float lineX = 0.0f;
    float lineY = 0.0f;
    float lineLength = 1.0f;
    bool onGrid = false;
};
