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
    if (i < 0 || i >= computation.DisplayedCount() || computation.ListPositionOfDisplayed(doc, i) < 0)
        return false;
    const GraphPoints& slot = computation.Points(i);
    return slot.complete && slot.count > 0 && slot.HasPoints();
}

bool GraphTrace::Ready() const
{
    return active && !computation.IsComputing() && computation.IsComputed();
}

bool GraphTrace::Start(int preferred)
{
    active = false;
    if (computation.IsComputing() || !computation.IsComputed())
        return false;
    int first = Traceable(preferred) ? preferred : -1;
    for (int i = 0; first < 0 && i < computation.DisplayedCount(); ++i)
        first = Traceable(i) ? i : -1;
    if (first < 0)
        return false;
    active = true;
    displayed = first;
    graph = computation.DisplayedGraph(first);
    GoToSample(LastSample() / 2);
    return true;
}

const GraphPoints& GraphTrace::Slot() const
{
    return computation.Points(displayed);
}

std::int64_t GraphTrace::LastSample() const
{
    return Slot().count - 1;
}

void GraphTrace::NextGraph(int direction)
{
    const int count = computation.DisplayedCount();
    for (int k = 1; Ready() && k <= count; ++k) {
        const int i = ((displayed + direction * k) % count + count) % count;
        if (!Traceable(i))
            continue;
        displayed = i;
        graph = computation.DisplayedGraph(i);
        GoToArgument(point.argument);
        return;
    }
}

void GraphTrace::MoveToPointer(double x, double y, double zoomX, double zoomY)
{
    if (!Ready())
        return;
    switch (graph.kind) {
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
    if (!active || computation.IsComputing())
        return false;
    if (!computation.IsComputed()) {
        active = false;
        return false;
    }
    int found = -1;
    for (int i = 0; i < computation.DisplayedCount(); ++i) {
        if (Traceable(i) && !computation.DisplayedGraph(i).ExpressionsDiffer(graph) && (found < 0 || i == displayed))
            found = i;
    }
    active = found >= 0;
    if (active) {
        displayed = found;
        graph = computation.DisplayedGraph(found);
        GoToArgument(point.argument);
    }
    return active;
}

// At a sample the argument is the one the graph was drawn with.
void GraphTrace::GoToSample(std::int64_t to)
{
    sample = std::clamp<std::int64_t>(to, 0, LastSample());
    between = false;
    Evaluate(RoundToDecimals(Slot().ArgumentAt(sample), kSampleDecimals));
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
    const double position = (argument - first) * graph.range.precision;
    const double nearest = std::round(position);
    if (std::fabs(position - nearest) < kOnSample || (graph.kind != KindYofX && graph.kind != KindXofY))
        return GoToSample(static_cast<std::int64_t>(nearest));
    // Between two samples: a step goes to the one on its side.
    sample = static_cast<std::int64_t>(std::floor(position));
    between = true;
    Evaluate(argument);
}

void GraphTrace::Step(int samples)
{
    if (Ready())
        GoToSample(sample + samples + (between && samples < 0 ? 1 : 0));
}

void GraphTrace::Evaluate(double argument)
{
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock())
        return;
    try {
        CurveProbe probe(graph);
        point = probe.At(argument);
    } catch (const CExprException&) {
        point = CurvePoint{argument, false, NAN, NAN};
    }
}

std::int64_t GraphTrace::NearestSample(double x, double y, double zoomX, double zoomY) const
{
    const GraphPoints& slot = Slot();
    const double unit = 4.0 * graph.range.precision;  // stored units a world unit
    const double px = x * unit, py = y * unit;
    double best = std::numeric_limits<double>::infinity();
    std::int64_t nearest = sample;
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
    const std::string x = SignificantText(point.x, kReadoutDigits);
    const std::string y = SignificantText(point.y, kReadoutDigits);
    if (graph.kind == KindParametric || graph.kind == KindPolar)
        return FormatAppString(StringId::CurveReadout, {SignificantText(point.argument, kReadoutDigits), x, y});
    return FormatAppString(StringId::FunctionReadout, {x, y});
}
