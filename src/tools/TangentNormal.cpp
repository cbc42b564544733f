#include "tools/TangentNormal.h"

#include "view/GraphComputation.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "tools/FormatLineEquation.h"
#include "model/GraphItem.h"
#include "expr/RoundToDecimals.h"

#include <cmath>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>

namespace {

constexpr double kStep = 0.00001;                   // to each side of the point
constexpr double kDoubleStep = 0.00002;
constexpr double kInverseDoubleStep = 49999.99999999999;
constexpr double kLargestScaled = 2147483647;       // a sample or slope times N
constexpr int kDecimals = 4;

// Thrown when a sample lies beyond what the picture could hold.
struct Undefined {};

struct Point {
    double x;
    double y;
};

class TangentProbe {
public:
    TangentProbe(const GraphItem& probed, std::int32_t density)
        : m_graph(probed), m_samplesPerUnit(density), m_argument(GraphKindArgument(probed.kind))
    {
        for (const char* name : {"x", "y", "t"})
            theVariables.SetAvailable(name, name == std::string_view(m_argument));
        theVariables.SetCurrent(m_argument);
    }

    void Compute(double v, TangentNormal& out)
    {
        switch (m_graph.kind) {
        case KindYofX:
            return ComputeYofX(v, out);
        case KindXofY:
            return ComputeXofY(v, out);
        case KindParametric:
        case KindPolar:
            return ComputeCurve(v, out);
        }
    }

private:
    void ComputeYofX(double x0, TangentNormal& out)
    {
        auto f = Compile(m_graph.expression);
        const double y0 = Sample(*f, x0), y1 = Sample(*f, x0 - kStep), y2 = Sample(*f, x0 + kStep);
        out.tangent = Through(x0, y0, (y2 - y1) * kInverseDoubleStep);
        out.normal = out.tangent.slope == 0 ? Vertical(x0) : Secant(x0, y0, y1 - y2, kDoubleStep);
    }

    void ComputeXofY(double y0, TangentNormal& out)
    {
        auto f = Compile(m_graph.expression);
        const double x0 = Sample(*f, y0), x1 = Sample(*f, y0 - kStep), x2 = Sample(*f, y0 + kStep);
        out.tangent = Secant(x0, y0, x2 - x1, kDoubleStep);
        out.normal = Through(x0, y0, (x1 - x2) * kInverseDoubleStep);
    }

    // Parametric and polar curves: the points at t0 and one step to each side.
    void ComputeCurve(double t0, TangentNormal& out)
    {
        auto f = Compile(m_graph.expression);
        auto g = m_graph.kind == KindParametric ? Compile(m_graph.expression2) : nullptr;
        const Point p0 = CurvePoint(*f, g.get(), t0);
        const Point p1 = CurvePoint(*f, g.get(), t0 - kStep);
        const Point p2 = CurvePoint(*f, g.get(), t0 + kStep);
        if (p2.x == p1.x && p1.x == p0.x && p2.y == p1.y && p1.y == p0.y)
            throw Undefined{};
        out.tangent = Secant(p0.x, p0.y, p2.x - p1.x, p2.y - p1.y);
        // Perpendicular: vertical only when the curve runs exactly level.
        out.normal = Secant(p0.x, p0.y, p2.y - p1.y, p1.x - p2.x);
    }

    Point CurvePoint(CExpression& f, CExpression* g, double t)
    {
        const double a = Sample(f, t);
        if (g)
            return {a, Sample(*g, t)};
        return {a * std::cos(t), a * std::sin(t)};
    }

    std::unique_ptr<CExpression> Compile(const std::string& text) const
    {
        auto expression = std::make_unique<CExpression>(text.c_str(), false);
        expression->Simplify();
        return expression;
    }

    double Sample(CExpression& f, double v) const
    {
        theVariables.SetValue(m_argument, v);
        f.Evaluate();
        const double value = f.GetResult(nullptr);
        if (!Fits(value))
            throw Undefined{};
        return value;
    }

    bool Fits(double value) const
    {
        const double scaled = m_samplesPerUnit * value;
        return std::isfinite(value) && scaled >= -kLargestScaled && scaled <= kLargestScaled;
    }

    // The line through (x0, y0) rising dy over dx: vertical when dx is 0 or
    // the slope too steep for the picture.
    TangentLine Secant(double x0, double y0, double dx, double dy) const
    {
        if (dx == 0)
            return Vertical(x0);
        const double slope = dy / dx;
        return Fits(slope) ? Through(x0, y0, slope) : Vertical(x0);
    }

    static TangentLine Through(double x0, double y0, double slope)
    {
        TangentLine line;
        line.slope = RoundToDecimals(slope, kDecimals);
        line.intercept = RoundToDecimals(y0 - x0 * line.slope, kDecimals);
        line.equation = FormatLineEquation(line.slope, line.intercept);
        return line;
    }

    static TangentLine Vertical(double x)
    {
        TangentLine line;
        line.vertical = true;
        line.intercept = RoundToDecimals(x, kDecimals);
        line.equation = FormatLineEquation(0, line.intercept);
        return line;
    }

    const GraphItem& m_graph;
    const std::int32_t m_samplesPerUnit;
    const char* const m_argument;
};

}  // namespace

TangentResult ComputeTangentNormal(const GraphItem& graph, std::int32_t samplesPerUnit, double argument,
                                   TangentNormal& out)
{
    if (!IsKnownGraphKind(graph.kind))
        return TangentError;
    std::lock_guard lock(theVariables.Lock());
    try {
        TangentProbe(graph, samplesPerUnit).Compute(argument, out);
    } catch (const Undefined&) {
        return TangentNoFunction;
    } catch (const CExprException& error) {
        out.error = error;
        return TangentError;
    } catch (const std::bad_alloc&) {
        out.error = CExprException(1003, nullptr);
        return TangentError;
    }
    return TangentComputed;
}

TangentResult ComputeTangentNormal(const GraphComputation& computation, int slot, double argument, TangentNormal& out)
{
    return ComputeTangentNormal(computation.Points(slot).source, computation.InUse().precision, argument, out);
}
