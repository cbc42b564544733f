#pragma once

class CCurvixDoc;
class PaintContext;
class QPainter;

// The displayed graphs' curves, in slot order so that later graphs lie over
// earlier ones, clipped to the picture. The painter's origin is the
// drawing origin.
class CurvePainter {
public:
    static void DrawCurves(QPainter& painter, const PaintContext& context, const CCurvixDoc& doc);
};
