#include "view/geometry/CurveSummary.h"

#include <algorithm>

namespace {

std::uint32_t Step(std::int32_t a, std::int32_t b)
{
    const std::int64_t difference = std::int64_t{a} - b;
    return static_cast<std::uint32_t>(difference < 0 ? -difference : difference);
}

}  // namespace

CurveSummary::CurveSummary(std::span<const ScaledPoint> points)
{
    const std::size_t count = points.size();
    m_blocks.reserve((count + kBlock - 1) / kBlock);
    for (std::size_t start = 0; start < count; start += kBlock)
        m_blocks.push_back(Summarise(points, start, std::min(start + kBlock, count)));
}

// Two plain loops without a test inside, so that the compiler takes several
// samples at once: the bounds of samples [start, end) and the steps from
// each of them to the next one, the last sample having none.
CurveSummary::Block CurveSummary::Summarise(std::span<const ScaledPoint> points, std::size_t start, std::size_t end)
{
    Block block{points[start].x, points[start].x, points[start].y, points[start].y};
    bool undefined = false;
    for (std::size_t k = start; k < end; ++k) {
        const ScaledPoint& point = points[k];
        block.minX = std::min(block.minX, point.x);
        block.maxX = std::max(block.maxX, point.x);
        block.minY = std::min(block.minY, point.y);
        block.maxY = std::max(block.maxY, point.y);
        undefined |= (point.x == POINT_UNDEFINED) | (point.y == POINT_UNDEFINED);
    }
    block.undefined = undefined;
    const std::size_t stepEnd = std::min(end, points.size() - 1);
    for (std::size_t k = start; k < stepEnd; ++k) {
        block.stepX = std::max(block.stepX, Step(points[k].x, points[k + 1].x));
        block.stepY = std::max(block.stepY, Step(points[k].y, points[k + 1].y));
    }
    return block;
}
