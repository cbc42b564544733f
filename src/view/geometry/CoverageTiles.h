#pragma once

#include "view/geometry/GeometryTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// Coverage levels from 0 (none) to 255 (full) over a rectangle of pixels,
// kept only in the tiles that something reaches. A pixel keeps the highest
// level it is given.
class CoverageTiles {
public:
    explicit CoverageTiles(const PixelRect& clip);

    const PixelRect& Clip() const { return m_clip; }

    // Raises the pixels [from, to] of row y, as far as they lie in the clip,
    // to cover(x) for each column x: a fraction of the pixel, limited to
    // [0, 1] here. The row must lie in the clip.
    template <class Cover>
    void Raise(int y, int from, int to, Cover&& cover);

    // Hands every row of covered pixels to draw(x, y, levels, count) and
    // empties the tiles.
    template <class Draw>
    void Drain(Draw&& draw);

private:
    // Square tiles of kTile x kTile pixels stored row by row, one byte each.
    static constexpr int kTile = 8;
    static constexpr int kTilePixels = kTile * kTile;

    std::uint8_t* TileRow(int column, int row);
    std::int32_t NewTile(int tile);

    PixelRect m_clip;
    int m_width;
    int m_height;
    int m_tileColumns;
    std::vector<std::int32_t> m_slot;   // of each tile in m_cells, -1 for none
    std::vector<std::int32_t> m_tiles;  // the tiles with a slot, in slot order
    std::vector<std::uint8_t> m_cells;
};

// The cells of a row of pixels in a tile, the tile made when first used.
inline std::uint8_t* CoverageTiles::TileRow(int column, int row)
{
    const int tile = row / kTile * m_tileColumns + column;
    std::int32_t slot = m_slot[tile];
    if (slot < 0)
        slot = NewTile(tile);
    return &m_cells[static_cast<std::size_t>(slot) * kTilePixels + static_cast<std::size_t>(row % kTile) * kTile];
}

template <class Cover>
void CoverageTiles::Raise(int y, int from, int to, Cover&& cover)
{
    const int row = y - m_clip.top;
    const int last = std::min(to, m_clip.right - 1) - m_clip.left;
    for (int column = std::max(from, m_clip.left) - m_clip.left; column <= last;) {
        const int base = column / kTile * kTile;
        const int end = std::min(last, base + kTile - 1);
        std::uint8_t* cells = TileRow(column / kTile, row);
        for (int i = column; i <= end; ++i) {
            // Rounded as a fraction limited to [0, 1] would be: the cover of
            // a pixel of the row lies well within the int range. Adding a
            // half and truncating rounds every level that survives the clamp
            // (negative covers end at 0 either way), without a call per pixel.
            // NOLINTNEXTLINE(bugprone-incorrect-roundings)
            const int level = std::clamp(static_cast<int>(cover(m_clip.left + i) * 255.0f + 0.5f), 0, 255);
            std::uint8_t& cell = cells[i - base];
            cell = static_cast<std::uint8_t>(std::max<int>(cell, level));
        }
        column = end + 1;
    }
}

template <class Draw>
void CoverageTiles::Drain(Draw&& draw)
{
    for (std::size_t slot = 0; slot < m_tiles.size(); ++slot) {
        const int tile = m_tiles[slot];
        const int x = tile % m_tileColumns * kTile;
        const int y = tile / m_tileColumns * kTile;
        const int count = std::min(kTile, m_width - x);
        const int rows = std::min(kTile, m_height - y);
        const std::uint8_t* cells = &m_cells[slot * kTilePixels];
        for (int row = 0; row < rows; ++row) {
            const std::uint8_t* levels = cells + static_cast<std::ptrdiff_t>(row) * kTile;
            std::uint64_t any = 0;  // the row's eight levels at once
            std::memcpy(&any, levels, sizeof any);
            if (any)
                draw(m_clip.left + x, m_clip.top + y + row, levels, count);
        }
        m_slot[tile] = -1;
    }
    m_tiles.clear();
    m_cells.clear();
}
