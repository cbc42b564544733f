#pragma once

class AppSettings;
class GraphComputation;
class CurveSummaries;
class QPainter;
class QRect;
class ViewMapping;

// Draws the graph view's client area on any painter, for the window and for
// the command-line renderer alike: the background and strip frame, then
// either the message of an empty view or the picture (border of a small
// picture, grid, axes, curves).
class GraphRenderer {
public:
    // summaries, when given, keep the curves' block bounds between paints.
    GraphRenderer(const GraphComputation& computation, const AppSettings& settings, const ViewMapping& view,
                  CurveSummaries* summaries = nullptr);

    // The graphs are computed and there is one to show.
    bool HasPicture() const;
    // Everything, on a painter of the mapping's client size.
    void DrawAll(QPainter& painter) const;
    // The white area and the strips' frame within paint.
    void DrawBackground(QPainter& painter, const QRect& paint) const;
    void DrawEmptyMessage(QPainter& painter) const;
    // Grid and axes within paint (window pixels), over the background.
    void DrawGridAndAxes(QPainter& painter, const QRect& paint) const;
    // The curves within paint, clipped to the picture.
    void DrawCurves(QPainter& painter, const QRect& paint) const;

private:
    bool HasExtent() const;
    void DrawBorder(QPainter& painter) const;

    const GraphComputation& m_computation;
    const AppSettings& m_settings;
    const ViewMapping& m_view;
    CurveSummaries* m_summaries;
};
