#pragma once

#include "view/geometry/GeometryTypes.h"
#include "tools/GraphTrace.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class CCurvixDoc;
class GraphComputation;
class QKeyEvent;
class QPainter;
class QPointF;
class ViewMapping;

// The window pixel of a world point; false when it lies off the drawing
// area or is not a number.
bool VisibleWindowPoint(const ViewMapping& view, double x, double y, QPointF& at);
// The world points at the lower left and the upper right of what the
// drawing area shows.
std::pair<WorldPoint, WorldPoint> VisibleWorld(const ViewMapping& view);

// What the analysis tools put on the graph view: the trace marker with its
// keys and read-out, and the marks of the points a search found. The view
// forwards its keys and pointer moves here and draws this over its picture.
class ViewAnalysis {
public:
    // update repaints the view; show puts a text into the read-out pane.
    ViewAnalysis(const CCurvixDoc& doc, const GraphComputation& computation, std::function<void()> update, std::function<void(const QString&)> show);

    // The list position of the graph selected in the graph list, -1 for
    // none; the trace starts on that graph when it is displayed.
    void SetSelection(std::function<int()> selected) { m_selection = std::move(selected); }

    // Starts tracing, or ends a trace that runs. False when there was
    // nothing to trace.
    bool ToggleTrace();
    bool IsTracing() const { return m_trace.IsActive(); }
    const GraphTrace& Trace() const { return m_trace; }
    // The keys of a trace (T starts one): true when the key was taken.
    bool HandleKey(const QKeyEvent& event);
    // A key the trace takes before any shortcut of the window (Ctrl+C).
    bool WantsKey(const QKeyEvent& event) const;
    // Tab and Shift+Tab while tracing: true when taken.
    bool HandleTab(bool next);
    // While tracing the marker follows the pointer and the pane shows its
    // values instead of the pointer's position; true then.
    bool PointerMoved(const ViewMapping& view, double windowX, double windowY);
    // After any change of the document or a computation.
    void DocumentChanged();

    // Small marks at the points a search found, until the next computation.
    void SetFoundPoints(std::vector<WorldPoint> points);
    void ClearFoundPoints();

    void Draw(QPainter& painter, const ViewMapping& view) const;

private:
    void EndTrace();
    void ShowReadout();
    void CopyReadout() const;

    const CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    GraphTrace m_trace;
    std::function<void()> m_update;
    std::function<void(const QString&)> m_show;
    std::function<int()> m_selection;
    std::vector<WorldPoint> m_found;
};
