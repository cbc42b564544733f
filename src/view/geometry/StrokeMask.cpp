#include "StrokeMask.h"

#include <algorithm>
#include <cmath>

namespace {

// A long segment is covered piece by piece, so that the pixels tried for
// each piece (its bounding box) stay close to the pixels it covers.
constexpr double kPieceLength = 8.0;

// The value limited to [0, 1], written so that the compiler can use the
// processor's minimum and maximum on several values at once.
inline float Unit(float value)
{
    const float low = value < 0.0f ? 0.0f : value;
    return low > 1.0f ? 1.0f : low;
}

}  // namespace

StrokeMask::StrokeMask(const PixelRect& clip, double halfWidth)
    : m_left(clip.left),
      m_top(clip.top),
      m_width(std::max(clip.right - clip.left, 0)),
      m_height(std::max(clip.bottom - clip.top, 0)),
      m_reach(std::max(halfWidth, 0.5) + 0.5),
      m_tileColumns((m_width + kTile - 1) / kTile),
      m_coverage(static_cast<std::size_t>(m_width) * m_height),
      m_touched(static_cast<std::size_t>(m_tileColumns) * ((m_height + kTile - 1) / kTile))
{
}

void StrokeMask::AddSegment(double x0, double y0, double x1, double y1)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)
        || !ClipToReach(x0, y0, x1, y1))
        return;
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int pieces = std::max(1, static_cast<int>(std::ceil(length / kPieceLength)));
    for (int i = 0; i < pieces; ++i) {
        const double from = static_cast<double>(i) / pieces;
        const double to = static_cast<double>(i + 1) / pieces;
        AddPiece(x0 + (x1 - x0) * from, y0 + (y1 - y0) * from, x0 + (x1 - x0) * to, y0 + (y1 - y0) * to);
    }
}

// Cuts the segment to the clip widened by the reach of a line (Liang-Barsky):
// nothing beyond it can cover a pixel of the clip. False when nothing is left.
bool StrokeMask::ClipToReach(double& x0, double& y0, double& x1, double& y1) const
{
    const double margin = m_reach + 1.0;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - (m_left - margin), (m_left + m_width + margin) - x0, y0 - (m_top - margin),
                         (m_top + m_height + margin) - y0};
    double enter = 0.0;
    double leave = 1.0;
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
    if (!(enter <= leave))
        return false;
    x1 = x0 + dx * leave;
    y1 = y0 + dy * leave;
    x0 += dx * enter;
    y0 += dy * enter;
    return true;
}

// Single precision is plenty for distances of a few pixels measured from
// the piece's start, and lets the compiler work on several pixels at once.
void StrokeMask::AddPiece(double x0, double y0, double x1, double y1)
{
    const int left = std::max(0, static_cast<int>(std::ceil(std::min(x0, x1) - m_reach - 0.5)) - m_left);
    const int right = std::min(m_width - 1, static_cast<int>(std::floor(std::max(x0, x1) + m_reach - 0.5)) - m_left);
    const int top = std::max(0, static_cast<int>(std::ceil(std::min(y0, y1) - m_reach - 0.5)) - m_top);
    const int bottom = std::min(m_height - 1, static_cast<int>(std::floor(std::max(y0, y1) + m_reach - 0.5)) - m_top);
    if (left > right || top > bottom)
        return;
    const auto dx = static_cast<float>(x1 - x0);
    const auto dy = static_cast<float>(y1 - y0);
    const float squared = dx * dx + dy * dy;
    const float inverse = squared > 0.0f ? 1.0f / squared : 0.0f;
    const auto reach = static_cast<float>(m_reach);
    const auto firstX = static_cast<float>(m_left + left + 0.5 - x0);
    for (int row = top; row <= bottom; ++row) {
        const auto py = static_cast<float>(m_top + row + 0.5 - y0);
        std::uint8_t* line = &m_coverage[static_cast<std::size_t>(row) * m_width + left];
        for (int i = 0; i <= right - left; ++i) {
            const float px = firstX + static_cast<float>(i);
            const float t = Unit((px * dx + py * dy) * inverse);
            const float ex = px - t * dx;
            const float ey = py - t * dy;
            const float cover = Unit(reach - std::sqrt(ex * ex + ey * ey));
            const int value = static_cast<int>(cover * 255.0f + 0.5f);
            const int old = line[i];
            line[i] = static_cast<std::uint8_t>(old < value ? value : old);
        }
    }
    for (int row = top / kTile; row <= bottom / kTile; ++row)
        for (int column = left / kTile; column <= right / kTile; ++column)
            Touch(column, row);
}

void StrokeMask::Touch(int column, int row)
{
    const int tile = row * m_tileColumns + column;
    if (m_touched[tile])
        return;
    m_touched[tile] = true;
    m_touchedTiles.push_back(tile);
}
