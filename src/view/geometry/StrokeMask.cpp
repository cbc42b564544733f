#include "view/geometry/StrokeMask.h"

#include <algorithm>
#include <cmath>

namespace {

// A segment is covered piece by piece, so that the pixels tried for each
// piece stay close to the pixels it covers and distances are measured from
// a nearby point. The pieces are cut from the whole segment, wherever the
// clip lies, so that a band gets exactly the values of the whole picture.
constexpr double kPieceLength = 32.0;

// The value limited to [0, 1], written so that the compiler can use the
// processor's minimum and maximum on several values at once.
inline float Unit(float value)
{
    const float low = value < 0.0f ? 0.0f : value;
    return low > 1.0f ? 1.0f : low;
}

// Whole numbers next to a value that lies well within the int range, without
// a library call each.
inline int Floor(double value)
{
    const int whole = static_cast<int>(value);
    return whole > value ? whole - 1 : whole;
}

inline int Ceiling(double value)
{
    const int whole = static_cast<int>(value);
    return whole < value ? whole + 1 : whole;
}

}  // namespace

StrokeMask::StrokeMask(const PixelRect& clip, double halfWidth)
    : m_left(clip.left),
      m_top(clip.top),
      m_width(std::max(clip.right - clip.left, 0)),
      m_height(std::max(clip.bottom - clip.top, 0)),
      m_reach(std::max(halfWidth, 0.5) + 0.5),
      m_tileColumns((m_width + kTile - 1) / kTile),
      m_slot(static_cast<std::size_t>(m_tileColumns) * ((m_height + kTile - 1) / kTile), -1)
{
}

void StrokeMask::AddSegment(double x0, double y0, double x1, double y1)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    double enter = 0.0;
    double leave = 1.0;
    if (!ClipToReach(x0, y0, x1, y1, enter, leave))
        return;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double pieces = std::max(1.0, std::ceil(std::hypot(dx, dy) / kPieceLength));
    const double last = std::min(pieces - 1, std::ceil(leave * pieces) - 1);
    for (double i = std::max(0.0, std::floor(enter * pieces)); i <= last; ++i) {
        const double from = i / pieces;
        const double to = (i + 1) / pieces;
        AddPiece(x0 + dx * from, y0 + dy * from, x0 + dx * to, y0 + dy * to);
    }
}

// The part [enter, leave] of the segment inside the clip widened by the reach
// of a line (Liang-Barsky): nothing beyond it can cover a pixel of the clip.
// False when no part is inside.
bool StrokeMask::ClipToReach(double x0, double y0, double x1, double y1, double& enter, double& leave) const
{
    const double margin = m_reach + 1.0;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - (m_left - margin), (m_left + m_width + margin) - x0, y0 - (m_top - margin),
                         (m_top + m_height + margin) - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (!(q[i] >= 0.0))
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    return enter <= leave;
}

// The cells of a row of the mask in a tile, the tile made when first used.
inline float* StrokeMask::TileRow(int column, int row)
{
    const int tile = row / kTile * m_tileColumns + column;
    std::int32_t slot = m_slot[tile];
    if (slot < 0)
        slot = NewTile(tile);
    return &m_cells[static_cast<std::size_t>(slot) * kTilePixels + static_cast<std::size_t>(row % kTile) * kTile];
}

std::int32_t StrokeMask::NewTile(int tile)
{
    const auto slot = static_cast<std::int32_t>(m_tiles.size());
    m_slot[tile] = slot;
    m_tiles.push_back(tile);
    m_cells.resize(m_cells.size() + kTilePixels, 0.0f);
    return slot;
}

// Each row tries the tiles where the piece passes within the reach of the
// row's centres, a whole tile row at a time, which the compiler can work on
// several pixels at once. Single precision is plenty for distances of a few
// pixels measured from the piece's start.
void StrokeMask::AddPiece(double x0, double y0, double x1, double y1)
{
    const int top = std::max(0, Ceiling(std::min(y0, y1) - m_reach - 0.5 - m_top));
    const int bottom = std::min(m_height - 1, Floor(std::max(y0, y1) + m_reach - 0.5 - m_top));
    const auto dx = static_cast<float>(x1 - x0);
    const auto dy = static_cast<float>(y1 - y0);
    const float squared = dx * dx + dy * dy;
    const float inverse = squared > 0.0f ? 1.0f / squared : 0.0f;
    const float inverseDy = dy != 0.0f ? 1.0f / dy : 0.0f;
    const auto reach = static_cast<float>(m_reach);
    // Column of a distance from the piece's start, less half a pixel.
    const double columnOrigin = x0 - m_left - 0.5;
    for (int row = top; row <= bottom; ++row) {
        const auto py = static_cast<float>(m_top + row + 0.5 - y0);
        // The part of the piece within the reach above or below the centres.
        const float from = dy != 0.0f ? Unit((py - reach) * inverseDy) : 0.0f;
        const float to = dy != 0.0f ? Unit((py + reach) * inverseDy) : 1.0f;
        const int left = std::max(0, Ceiling(columnOrigin + std::min(dx * from, dx * to) - reach));
        const int right = std::min(m_width - 1, Floor(columnOrigin + std::max(dx * from, dx * to) + reach));
        for (int column = left / kTile; column <= right / kTile && left <= right; ++column) {
            float* cells = TileRow(column, row);
            const auto firstX = static_cast<float>(m_left + column * kTile + 0.5 - x0);
            for (int i = 0; i < kTile; ++i) {
                const float px = firstX + static_cast<float>(i);
                const float t = Unit((px * dx + py * dy) * inverse);
                const float ex = px - t * dx;
                const float ey = py - t * dy;
                const float cover = Unit(reach - std::sqrt(ex * ex + ey * ey));
                cells[i] = cells[i] < cover ? cover : cells[i];
            }
        }
    }
}

