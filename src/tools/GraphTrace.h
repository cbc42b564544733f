#pragma once

#include "tools/CurveProbe.h"
#include "model/GraphItem.h"

#include <cstdint>
#include <string>

class CCurvixDoc;
class GraphComputation;
class GraphPoints;

// Tracing one displayed graph: a point on its curve that the pointer and
// the arrow keys move, and the graph's own values there.
//
// The trace keeps a copy of the traced function and its displayed position,
// never a pointer into the document: after any change Revalidate finds the
// function again among the displayed graphs that the list still shows, or
// ends. The samples it steps through are those of the graph's computed slot;
// it reads them only while the graphs are computed and idle. Values come
// from the engine under the computation lock, taken without waiting: while
// another computation holds it, the point stays where it was.
class GraphTrace {
public:
    GraphTrace(const CCurvixDoc& document, const GraphComputation& graphComputation)
        : m_doc(document), m_computation(graphComputation)
    {
    }

    // Starts on the displayed graph at preferred, or the first one when that
    // is not a traceable graph; at its middle sample. False, inactive, when
    // no graph can be traced.
    bool Start(int preferred);
    void End() { m_active = false; }
    bool IsActive() const { return m_active; }
    // Active and its graph's samples may be read: the graphs are computed
    // and no computation runs. A trace survives a computation as long as
    // Revalidate finds its function again afterwards.
    bool Ready() const;
    // The traced graph's displayed position and its current point.
    int Displayed() const { return m_displayed; }
    const CurvePoint& Point() const { return m_point; }

    // The next (direction 1) or previous (-1) displayed graph, cycling; at
    // the sample nearest the current argument.
    void NextGraph(int direction);
    // Moves by samples of the graph, stopping at its first and last one.
    void Step(int samples);
    // Moves to the curve's point for the pointer: its x for y = f(x), its y
    // for x = f(y), the nearest computed sample for parametric and polar
    // graphs (distances weighed by the zooms, as on screen).
    void MoveToPointer(double x, double y, double zoomX, double zoomY);
    // After a change of the document: false, ended, when the traced function
    // is no longer displayed, computed and shown by the list; false, still
    // active, while a computation runs.
    bool Revalidate();

    // "x = ...; y = ..." (with "t = ..." first for parametric and polar
    // graphs), 10 significant digits, "undefined" where there is no value.
    std::string Readout() const;

private:
    bool Traceable(int i) const;
    const GraphPoints& Slot() const;
    std::int64_t LastSample() const;
    void GoToSample(std::int64_t sample);
    void GoToArgument(double argument);
    void Evaluate(double argument);
    std::int64_t NearestSample(double x, double y, double zoomX, double zoomY) const;

    const CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    bool m_active = false;
    int m_displayed = -1;
    GraphItem m_graph;
    // The current sample, or the one below an argument between two.
    std::int64_t m_sample = 0;
    bool m_between = false;
    CurvePoint m_point;
};
