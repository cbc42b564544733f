#pragma once

#include <cstdint>
#include <string>

// Zoom steps of one axis, in percent (pixels per world unit).

// Zooming in: 10 becomes 25, anything else doubles. Allowed while
// zoom / precision (integer division) is at most 2, zoom and precision are
// positive and the doubled zoom fits in 32 bits; otherwise the zoom stays.
std::int32_t ZoomInStep(std::int32_t zoom, std::int32_t precision);
// Zooming out: 25 becomes 10, anything else above 5 is halved; 5 and below
// stay.
std::int32_t ZoomOutStep(std::int32_t zoom);

// Zoom in is offered when the step is allowed, the picture extent on that
// axis is valid (not -1) and zoom * extent / 4 fits in 32 bits.
bool CanZoomIn(std::int32_t zoom, std::int32_t precision, std::int32_t pictureExtent);
// Zoom out is offered from 10 up.
bool CanZoomOut(std::int32_t zoom);

// The status bar's zoom text: "Current zoom: 150%" when both are equal,
// else "Current zoom: (X: 200%; Y: 100%)".
std::string ZoomReadout(std::int32_t zoomX, std::int32_t zoomY);
