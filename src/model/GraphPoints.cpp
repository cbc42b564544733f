#include "model/GraphPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace {

constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();

}  // namespace

double GraphPoints::SampleCount(const ArgRange& range)
{
    const double p = range.precision;
    const double n = std::floor(p * range.to) - std::floor(p * range.from) + 1.0;
    if (range.precision <= 0 || std::isnan(n))
        return std::numeric_limits<double>::infinity();
    return std::max(n, 0.0);
}

void GraphPoints::UpdatePointCount()
{
    count = static_cast<std::int32_t>(std::min(SampleCount(source.range), kInt32Max));
}

double GraphPoints::ArgumentAt(std::int64_t i) const
{
    const double p = source.range.precision;
    return std::floor(p * source.range.from) / p + static_cast<double>(i) / p;
}

std::int32_t GraphPoints::IndexOfArgument(double v) const
{
    const double index = std::floor((v - ArgumentAt(0)) * source.range.precision);
    if (!(index >= kInt32Min))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(std::min(index, kInt32Max));
}

// ScaledPoint is an aggregate of two integers, so the storage holds its
// points without a constructor running over it.
bool GraphPoints::Allocate()
{
    void* storage = ::operator new(static_cast<size_t>(count) * sizeof(ScaledPoint), std::nothrow);
    points.reset(static_cast<ScaledPoint*>(storage));
    return HasPoints();
}

void GraphPoints::Free()
{
    points.reset();
    count = 0;
    complete = false;
    source.Reset();
}
