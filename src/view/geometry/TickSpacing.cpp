#include "view/geometry/TickSpacing.h"

#include "model/CoordSystem.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinorHigh = 20.0;
constexpr double kLabelLow = 100.0;

}  // namespace

TickSpacing::TickSpacing(std::int32_t zoom, bool timesPi)
{
    if (zoom <= 0)
        return;
    const double unitPixels = (timesPi ? kPi : 1.0) * zoom;
    // Minor step: from 1/256 of a unit, doubled up to 20 pixels and then
    // halved back below 20, which lands in [10, 20).
    double minor = unitPixels / 256.0;
    while (minor < kMinorHigh)
        minor *= 2.0;
    while (minor >= kMinorHigh)
        minor /= 2.0;
    m_minorPixels = minor;
    // Labels: from 1/64 of a unit, doubled until 100 pixels apart.
    m_labelPixels = unitPixels / 64.0;
    m_labelWorld = 1.0 / 64.0;
    while (m_labelPixels < kLabelLow) {
        m_labelPixels *= 2.0;
        m_labelWorld *= 2.0;
    }
}

double TickSpacing::GridPixels(int gridSize) const
{
    return std::ldexp(m_minorPixels, std::clamp(gridSize, 0, kLargestGridSize));
}
