#include "view/geometry/StraightRun.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace {

// Coordinates up to this many quarter pixels keep every offset and product
// of the distance exact in single precision.
constexpr double kGridLimit = 1 << 22;
// The longest whole vector kept as a step.
constexpr std::int64_t kStepLimit = 1024;

bool OnGrid(double value)
{
    const double quarters = value * 4;
    return std::abs(quarters) < kGridLimit && quarters == std::floor(quarters);
}

}  // namespace

std::optional<StraightRun> StraightRun::Between(Point from, Point to)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (!std::isfinite(length))
        length = std::hypot(dx, dy);  // past the range of the squares
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(length))
        return std::nullopt;
    StraightRun run{from, to, dx, dy, 1.0, length};
    if (length == 0.0)
        return run;
    run.alongX = dx / length;
    run.alongY = dy / length;
    run.lineX = static_cast<float>(run.alongX);
    run.lineY = static_cast<float>(run.alongY);
    if (!OnGrid(from.x) || !OnGrid(from.y) || !OnGrid(to.x) || !OnGrid(to.y))
        return run;
    const auto qx = static_cast<std::int64_t>(dx * 4);
    const auto qy = static_cast<std::int64_t>(dy * 4);
    const std::int64_t common = std::gcd(qx, qy);
    // Exact divisions: the shortest whole step along the segment.
    const std::int64_t unitX = qx / common;
    const std::int64_t unitY = qy / common;
    if (std::abs(unitX) > kStepLimit || std::abs(unitY) > kStepLimit)
        return run;
    run.stepX = static_cast<double>(unitX) / 4;
    run.stepY = static_cast<double>(unitY) / 4;
    run.steps = static_cast<double>(common);
    run.lineX = static_cast<float>(unitX);
    run.lineY = static_cast<float>(unitY);
    const double step = std::sqrt(run.stepX * run.stepX + run.stepY * run.stepY);
    run.alongX = run.stepX / step;
    run.alongY = run.stepY / step;
    run.lineLength = static_cast<float>(step * 4);
    run.onGrid = true;
    return run;
}

bool StraightRun::Extend(const StraightRun& next)
{
    if (!onGrid || !next.onGrid || next.from.x != to.x || next.from.y != to.y || next.stepX != stepX
        || next.stepY != stepY)
        return false;
    to = next.to;
    steps += next.steps;
    length = std::sqrt(stepX * stepX + stepY * stepY) * steps;
    return true;
}
