#include "view/geometry/TickRuler.h"

#include "view/geometry/GeometryTypes.h"
#include "expr/RoundToDecimals.h"

#include <algorithm>
#include <cmath>
#include <limits>

TickRuler::TickRuler(std::int64_t origin, double step, std::int32_t paintFirst, std::int32_t paintLast)
    : m_origin(origin), m_step(step), m_low(std::int64_t{paintFirst} - 1), m_high(std::int64_t{paintLast} + 1)
{
}

Tick TickRuler::At(std::int64_t index) const
{
    const std::int64_t position =
        ClampedPixel(RoundToDecimals(static_cast<double>(m_origin) + static_cast<double>(index) * m_step, 0));
    const std::int32_t column = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(position, std::numeric_limits<std::int32_t>::min() + 1,
                                 std::numeric_limits<std::int32_t>::max() - 1));
    return {column, index, position <= m_origin ? column - 1 : column + 1};
}

bool TickRuler::IsUsable() const
{
    return m_step >= 1.0 && std::isfinite(m_step) && m_low <= m_high;
}

TickRuler::IndexSpan TickRuler::SpanIndices() const
{
    // The exact bounds, widened by one index for the rounding to pixels.
    const std::int64_t from = ClampedPixel(std::floor((m_low - m_origin) / m_step)) - 1;
    const std::int64_t to = ClampedPixel(std::ceil((m_high - m_origin) / m_step)) + 1;
    IndexSpan span{to + 1, from - 1};
    for (std::int64_t index = from; index <= to; ++index) {
        const std::int32_t position = At(index).position;
        if (position >= m_low && index < span.first)
            span.first = index;
        if (position <= m_high)
            span.last = index;
    }
    return span;
}

std::vector<Tick> TickRuler::Ticks(bool skipOrigin) const
{
    std::vector<Tick> ticks;
    if (!IsUsable())
        return ticks;
    const IndexSpan span = SpanIndices();
    for (std::int64_t index = span.first; index <= span.last; ++index) {
        const Tick tick = At(index);
        if (tick.position >= -1 && !(skipOrigin && tick.position == m_origin))
            ticks.push_back(tick);
    }
    return ticks;
}

std::vector<Tick> TickRuler::Labels() const
{
    std::vector<Tick> labels;
    if (!IsUsable())
        return labels;
    const IndexSpan span = SpanIndices();
    for (std::int64_t index = span.first - 1; index <= span.last + 1; ++index)
        labels.push_back(At(index));
    return labels;
}
