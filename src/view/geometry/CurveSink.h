#pragma once

#include <cstdint>

// Receives the drawing primitives of the curve pass, in drawing
// coordinates (pixels from the picture's top left corner in view). A painter
// draws them with a one-pixel pen; tests record them.
class CurveSink {
public:
    virtual ~CurveSink() = default;
    // Move the pen without drawing.
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    // Draw from the pen to (x, y) and leave the pen there; the device clips
    // what lies outside the picture.
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    // Set one pixel in the curve's colour.
    virtual void SetPixel(std::int32_t x, std::int32_t y) = 0;
};
