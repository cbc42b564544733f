#pragma once

#include "view/geometry/GeometryTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
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
    // coverage from 0 (none) to 1 (full), and empties the mask.
    template <class Draw>
    void Drain(Draw&& draw);

private:
    // The mask keeps only the tiles that lines reach, each a square of
    // kTile x kTile pixels stored row by row.
    static constexpr int kTile = 8;
    static constexpr int kTilePixels = kTile * kTile;

    bool ClipToReach(double x0, double y0, double x1, double y1, double& enter, double& leave) const;
    void AddPiece(double x0, double y0, double x1, double y1);
    float* TileRow(int column, int row);
    std::int32_t NewTile(int tile);

    int m_left;
    int m_top;
    int m_width;
    int m_height;
    double m_reach;
    int m_tileColumns;
    std::vector<std::int32_t> m_slot;  // of each tile in m_cells, -1 for none
    std::vector<std::int32_t> m_tiles;  // the tiles with a slot, in slot order
    std::vector<float> m_cells;
};

template <class Draw>
void StrokeMask::Drain(Draw&& draw)
{
    for (std::size_t slot = 0; slot < m_tiles.size(); ++slot) {
        const int tile = m_tiles[slot];
        const int x = tile % m_tileColumns * kTile;
        const int y = tile / m_tileColumns * kTile;
        const int count = std::min(kTile, m_width - x);
        const int rows = std::min(kTile, m_height - y);
        const float* cells = &m_cells[slot * kTilePixels];
        for (int row = 0; row < rows; ++row) {
            const float* coverage = cells + static_cast<std::ptrdiff_t>(row) * kTile;
            if (*std::max_element(coverage, coverage + count) > 0.0f)
                draw(m_left + x, m_top + y + row, coverage, count);
        }
        m_slot[tile] = -1;
    }
    m_tiles.clear();
    m_cells.clear();
}
