#include "CurveSummary.h"

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
    for (std::size_t start = 0; start < count; start += kBlock) {
        Block block{points[start].x, points[start].x, points[start].y, points[start].y};
        const std::size_t end = std::min(start + kBlock, count);
        for (std::size_t k = start; k < end; ++k) {
            const ScaledPoint& point = points[k];
            block.minX = std::min(block.minX, point.x);
            block.maxX = std::max(block.maxX, point.x);
            block.minY = std::min(block.minY, point.y);
            block.maxY = std::max(block.maxY, point.y);
            block.undefined |= point.x == POINT_UNDEFINED || point.y == POINT_UNDEFINED;
            if (k + 1 < count) {
                block.stepX = std::max(block.stepX, Step(point.x, points[k + 1].x));
                block.stepY = std::max(block.stepY, Step(point.y, points[k + 1].y));
            }
        }
        m_blocks.push_back(block);
    }
}
