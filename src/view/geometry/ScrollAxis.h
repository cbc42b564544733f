#pragma once

#include <cstdint>

// What a scroll bar asks for.
enum class ScrollRequest {
    LineBack,     // line left / up
    LineForward,  // line right / down
    PageBack,
    PageForward,
    Thumb,        // thumb released or dragged: the track position
    First,        // leftmost / top
    Last,         // rightmost / bottom
};

// One scroll bar of the graph view: the range 0 .. picture extent - 1 seen
// through a page of the drawing area's extent.
class ScrollAxis {
public:
    ScrollAxis(std::int32_t pictureExtent, std::int32_t areaExtent);

    // A picture smaller than the area needs no scrolling.
    bool Enabled() const { return m_picture >= m_area; }
    std::int32_t Maximum() const { return m_picture > 0 ? m_picture - 1 : 0; }
    std::int32_t Page() const { return m_area; }
    // A position limited to Maximum() - Page() + 1; anything below 1 is 0.
    std::int32_t Clamp(std::int64_t position) const;
    // The clamped position a request leads to from position; track is the
    // thumb's position for Thumb.
    std::int32_t Target(ScrollRequest request, std::int32_t position, std::int32_t track) const;

private:
    std::int32_t m_picture;
    std::int32_t m_area;
};
