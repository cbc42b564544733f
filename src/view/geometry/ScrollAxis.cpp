#include "view/geometry/ScrollAxis.h"

#include <algorithm>

ScrollAxis::ScrollAxis(std::int32_t pictureExtent, std::int32_t areaExtent)
    : m_picture(pictureExtent), m_area(std::max(areaExtent, 0))
{
}

std::int32_t ScrollAxis::Clamp(std::int64_t position) const
{
    const std::int64_t limited = std::min<std::int64_t>(position, std::int64_t{Maximum()} - m_area + 1);
    return limited < 1 ? 0 : static_cast<std::int32_t>(limited);
}

std::int32_t ScrollAxis::Target(ScrollRequest request, std::int32_t position, std::int32_t track) const
{
    const std::int64_t line = m_area / 10;
    switch (request) {
    case ScrollRequest::LineBack:
        return Clamp(std::int64_t{position} - line);
    case ScrollRequest::LineForward:
        return Clamp(std::int64_t{position} + line);
    case ScrollRequest::PageBack:
        return Clamp(std::int64_t{position} - m_area);
    case ScrollRequest::PageForward:
        return Clamp(std::int64_t{position} + m_area);
    case ScrollRequest::Thumb:
        return Clamp(track);
    case ScrollRequest::First:
        return 0;
    case ScrollRequest::Last:
        return Clamp(Maximum());
    }
    return Clamp(position);
}
