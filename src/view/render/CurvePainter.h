#pragma once

class GraphComputation;
class CurveSummaries;
class PaintContext;
class QPainter;
struct CurveStyle;

// The displayed graphs' curves, in slot order so that later graphs lie over
// earlier ones, clipped to the picture, with the style's pen. The painter's
// origin is the drawing origin.
class CurvePainter {
public:
    // summaries, when given, keep the slots' block bounds between paints.
    static void DrawCurves(QPainter& painter, const PaintContext& context, const GraphComputation& computation,
                           CurveSummaries* summaries, const CurveStyle& style);
};
