#include "tools/GraphTrace.h"

#include "model/AppStringFormat.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "expr/CExprException.h"
#include "expr/CVariableTable.h"
#include "model/GraphPoints.h"
#include "expr/RoundToDecimals.h"
#include "tools/TableText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

namespace {
constexpr int kReadoutDigits = 10;
// The graphs sample at arguments rounded to 7 decimals; the trace shows
// the same points.
constexpr int kSampleDecimals = 7;
// An argument this close to a sample, in samples, is at it.
constexpr double kOnSample = 1e-6;

bool IsPosition(const ScaledPoint& p)
{
    const auto off = [](std::int32_t v) { return v == POINT_UNDEFINED || v == POINT_ABOVE || v == POINT_BELOW; };
    return !off(p.x) && !off(p.y);
}

}  // namespace

bool GraphTrace::Traceable(int i) const
{
    if (i < 0 || i >= m_computation.DisplayedCount() || m_computation.ListPositionOfDisplayed(m_doc, i) < 0)
        return false;
    const GraphPoints& slot = m_computation.Points(i);
    return slot.complete && slot.count > 0 && slot.HasPoints();
}

bool GraphTrace::Ready() const
{
    return m_active && !m_computation.IsComputing() && m_computation.IsComputed();
}

bool GraphTrace::Start(int preferred)
{
    m_active = false;
    if (m_computation.IsComputing() || !m_computation.IsComputed())
        return false;
    int first = Traceable(preferred) ? preferred : -1;
    for (int i = 0; first < 0 && i < m_computation.DisplayedCount(); ++i)
        first = Traceable(i) ? i : -1;
    if (first < 0)
        return false;
    m_active = true;
    m_displayed = first;
    m_graph = m_computation.DisplayedGraph(first);
    GoToSample(LastSample() / 2);
    return true;
}

const GraphPoints& GraphTrace::Slot() const
{
    return m_computation.Points(m_displayed);
}

std::int64_t GraphTrace::LastSample() const
{
    return Slot().count - 1;
}

void GraphTrace::NextGraph(int direction)
{
    const int count = m_computation.DisplayedCount();
    for (int k = 1; Ready() && k <= count; ++k) {
        const int i = ((m_displayed + direction * k) % count + count) % count;
        if (!Traceable(i))
            continue;
        m_displayed = i;
        m_graph = m_computation.DisplayedGraph(i);
        GoToArgument(m_point.argument);
        return;
    }
}

void GraphTrace::MoveToPointer(double x, double y, double zoomX, double zoomY)
{
    if (!Ready())
        return;
    switch (m_graph.kind) {
    case KindYofX:
        return GoToArgument(x);
    case KindXofY:
        return GoToArgument(y);
    default:
        return GoToSample(NearestSample(x, y, zoomX, zoomY));
    }
}

bool GraphTrace::Revalidate()
{
    if (!m_active || m_computation.IsComputing())
        return false;
    if (!m_computation.IsComputed()) {
        m_active = false;
        return false;
    }
    int found = -1;
    for (int i = 0; i < m_computation.DisplayedCount(); ++i) {
        if (Traceable(i) && !m_computation.DisplayedGraph(i).ExpressionsDiffer(m_graph) && (found < 0 || i == m_displayed))
            found = i;
    }
    m_active = found >= 0;
    if (m_active) {
        m_displayed = found;
        m_graph = m_computation.DisplayedGraph(found);
        GoToArgument(m_point.argument);
    }
    return m_active;
}

// At a sample the argument is the one the graph was drawn with.
void GraphTrace::GoToSample(std::int64_t to)
{
    m_sample = std::clamp<std::int64_t>(to, 0, LastSample());
    m_between = false;
    Evaluate(RoundToDecimals(Slot().ArgumentAt(m_sample), kSampleDecimals));
}

// A function's argument within the graph's samples keeps its value; one
// beyond them, and a curve's, goes to a sample.
void GraphTrace::GoToArgument(double argument)
{
    const GraphPoints& slot = Slot();
    const double first = slot.ArgumentAt(0);
    const double last = slot.ArgumentAt(LastSample());
    if (!(argument > first) || !(argument < last))
        return GoToSample(argument > first ? LastSample() : 0);
    const double position = (argument - first) * m_graph.range.precision;
    const double nearest = std::round(position);
    if (std::fabs(position - nearest) < kOnSample || (m_graph.kind != KindYofX && m_graph.kind != KindXofY))
        return GoToSample(static_cast<std::int64_t>(nearest));
    // Between two samples: a step goes to the one on its side.
    m_sample = static_cast<std::int64_t>(std::floor(position));
    m_between = true;
    Evaluate(argument);
}

void GraphTrace::Step(int samples)
{
    if (Ready())
        GoToSample(m_sample + samples + (m_between && samples < 0 ? 1 : 0));
}

void GraphTrace::Evaluate(double argument)
{
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock())
        return;
    try {
        CurveProbe probe(m_graph);
        m_point = probe.At(argument);
    } catch (const CExprException&) {
        m_point = CurvePoint{argument, false, NAN, NAN};
    }
}

std::int64_t GraphTrace::NearestSample(double x, double y, double zoomX, double zoomY) const
{
    const GraphPoints& slot = Slot();
    const double unit = 4.0 * m_graph.range.precision;  // stored units a world unit
    const double px = x * unit, py = y * unit;
    double best = std::numeric_limits<double>::infinity();
    std::int64_t nearest = m_sample;
    for (std::int32_t i = 0; i < slot.count; ++i) {
        const ScaledPoint& p = slot.points[i];
        if (!IsPosition(p))
            continue;
        const double dx = (p.x - px) * zoomX, dy = (p.y - py) * zoomY;
        const double distance = dx * dx + dy * dy;
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

std::string GraphTrace::Readout() const
{
    const std::string x = SignificantText(m_point.x, kReadoutDigits);
    const std::string y = SignificantText(m_point.y, kReadoutDigits);
    if (m_graph.kind == KindParametric || m_graph.kind == KindPolar)
        return FormatAppString(StringId::CurveReadout, {SignificantText(m_point.argument, kReadoutDigits), x, y});
    return FormatAppString(StringId::FunctionReadout, {x, y});
}
