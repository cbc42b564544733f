#pragma once

#include <cstdint>

// Spacing of the grid lines, tick marks and labels along one axis at a zoom
// (pixels per world unit); on an axis in units of pi a world unit is pi.
// Every step is a power-of-two fraction of a world unit (of pi), so ticks
// fall on round values.
class TickSpacing {
public:
    // Grid sizes of the settings: small, normal, large.
    static constexpr int kLargestGridSize = 2;

    TickSpacing(std::int32_t zoom, bool timesPi);

    // False for a zoom that is not positive: such an axis has no ticks.
    bool IsUsable() const { return m_minorPixels > 0.0; }
    // Minor tick step: a power-of-two fraction of the world unit, at least
    // 10 and less than 20 pixels.
    double MinorPixels() const { return m_minorPixels; }
    // Grid step: the minor step times 2 to the grid size (0..2; others are
    // taken as the nearest of these).
    double GridPixels(int gridSize) const;
    // Label (major tick) step: at least 100 pixels apart.
    double LabelPixels() const { return m_labelPixels; }
    // World value between labels, in multiples of pi on a pi axis.
    double LabelWorld() const { return m_labelWorld; }

private:
    double m_minorPixels = 0.0;
    double m_labelPixels = 0.0;
    double m_labelWorld = 0.0;
};
