#pragma once

#include "view/geometry/CoverageTiles.h"
#include "view/geometry/GeometryTypes.h"
#include "view/geometry/StraightRun.h"

#include <optional>

// The anti-aliased coverage of a wide line with round ends and joins, built
// from its segments over a rectangle of device pixels. A pixel's coverage
// follows its centre's distance from the nearest segment: full within half
// the width less half a pixel, none beyond half the width plus half a
// pixel, linear between. Taking the nearest segment makes a join exactly as
// dark as a straight stretch, and a pixel's value depends only on the
// segments near it, so a band drawn again matches the whole picture.
//
// The nearest point of a line is either inside a segment, where the distance
// is the one from the segment's straight line, or one of its corners. So
// each segment covers only the pixels beside it, without square roots, and
// each corner covers only the pixels that see no segment beside them: the
// wedge beyond both segments that meet there, or the half disc at an end.
class StrokeMask {
public:
    // clip: the pixels that may be covered; halfWidth: half the line's width
    // in pixels (at least half a pixel).
    StrokeMask(const PixelRect& clip, double halfWidth);

    // A segment between two points in pixel coordinates (the pixel (i, j)
    // spans [i, i + 1) x [j, j + 1)); equal points give a dot. A segment
    // that starts where the last one ended continues the same line.
    void AddSegment(double x0, double y0, double x1, double y1);

    // Hands every row of covered pixels to draw(x, y, coverage, count), with
    // coverage from 0 (none) to 255 (full), and empties the mask.
    template <class Draw>
    void Drain(Draw&& draw);

private:
    using Point = StraightRun::Point;
    struct Direction {
        double x = 0.0;
        double y = 0.0;
        Direction Reversed() const { return {-x, -y}; }
    };

    bool ClipToReach(double x0, double y0, double x1, double y1, double& enter, double& leave) const;
    void EndLine();
    void AddStretch(const StraightRun& run);
    void AddPiece(Point from, double length, const StraightRun& run);
    void AddCorner(Point at, Direction behind, Direction alsoBehind);
    bool RowsWithin(double low, double high, int& top, int& bottom) const;

    CoverageTiles m_cells;
    int m_left;
    int m_top;
    int m_width;
    int m_height;
    double m_reach;
    std::optional<StraightRun> m_end;  // the last run of the line, not yet covered
};

template <class Draw>
void StrokeMask::Drain(Draw&& draw)
{
    EndLine();
    m_cells.Drain(draw);
}
