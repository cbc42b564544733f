#pragma once

// The bounds of the part of a disc round the origin where a corner of a line
// is the line's nearest point: the points p of the disc with p . a <= slack
// and p . b <= slack, for the unit directions a and b (a zero direction sets
// no bound).
struct WedgeBounds {
    static WedgeBounds Of(double radius, double ax, double ay, double bx, double by, double slack);

    void Take(double x, double y);

    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};
