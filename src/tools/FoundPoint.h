#pragma once

// A point of interest on the graph of a function: a root (or a point where
// two graphs meet), a local minimum or a local maximum.
enum class PointKind { Root, Minimum, Maximum };

struct FoundPoint {
    PointKind kind = PointKind::Root;
    double x = 0;
    double y = 0;
};
