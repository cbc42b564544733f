#pragma once

#include "GeometryTypes.h"

#include <cstdint>
#include <cstring>
#include <vector>

// The anti-aliased coverage of a wide line with round ends and joins, built
// from its segments over a rectangle of device pixels. A pixel's coverage
// follows its centre's distance from the nearest segment: full within half
// the width less half a pixel, none beyond half the width plus half a
// pixel, linear between. Taking the nearest segment makes a join exactly as
// dark as a straight stretch, and a pixel's value depends only on the
// segments near it, so a band drawn again matches the whole picture.
class StrokeMask {
public:
    // clip: the pixels that may be covered; halfWidth: half the line's width
    // in pixels (at least half a pixel).
    StrokeMask(const PixelRect& clip, double halfWidth);

    // A segment between two points in pixel coordinates (the pixel (i, j)
    // spans [i, i + 1) x [j, j + 1)); equal points give a dot.
    void AddSegment(double x0, double y0, double x1, double y1);

    // Hands every row of covered pixels to draw(x, y, coverage, count), with
    // coverage from 0 (none) to 255 (full), and empties the mask.
    template <class Draw>
    void Drain(Draw&& draw);

private:
    static constexpr int kTile = 8;

    bool ClipToReach(double& x0, double& y0, double& x1, double& y1) const;
    void AddPiece(double x0, double y0, double x1, double y1);
    void Touch(int column, int row);

    int m_left;
    int m_top;
    int m_width;
    int m_height;
    double m_reach;
    int m_tileColumns;
    std::vector<std::uint8_t> m_coverage;
    std::vector<bool> m_touched;
    std::vector<int> m_touchedTiles;
};

template <class Draw>
void StrokeMask::Drain(Draw&& draw)
{
    for (int tile : m_touchedTiles) {
        const int x = tile % m_tileColumns * kTile;
        const int y = tile / m_tileColumns * kTile;
        const int count = x + kTile <= m_width ? kTile : m_width - x;
        const int rows = y + kTile <= m_height ? kTile : m_height - y;
        for (int row = y; row < y + rows; ++row) {
            std::uint8_t* coverage = &m_coverage[static_cast<std::size_t>(row) * m_width + x];
            std::uint64_t any = 0;
            std::memcpy(&any, coverage, count);
            if (!any)
                continue;
            draw(m_left + x, m_top + row, static_cast<const std::uint8_t*>(coverage), count);
            std::memset(coverage, 0, count);
        }
        m_touched[tile] = false;
    }
    m_touchedTiles.clear();
}
