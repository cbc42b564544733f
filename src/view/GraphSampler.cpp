#include "view/GraphSampler.h"

#include "expr/CVariableTable.h"
#include "expr/RoundToDecimals.h"

#include <algorithm>
#include <cmath>
#include <cstring>

GraphSampler::GraphSampler(GraphPoints& graphSlot) : m_slot(graphSlot), m_scale(graphSlot.source.range.precision)
{
    SelectArgument(GraphKindArgument(graphSlot.source.kind));
    m_f = Compile(graphSlot.source.expression);
    if (graphSlot.source.kind == KindParametric)
        m_g = Compile(graphSlot.source.expression2);
}

void GraphSampler::SelectArgument(const char* name)
{
    for (const char* variable : {"x", "y", "t"})
        theVariables.SetAvailable(variable, std::strcmp(variable, name) == 0);
    theVariables.SetCurrent(name);
}

std::unique_ptr<CExpression> GraphSampler::Compile(const std::string& text)
{
    auto expression = std::make_unique<CExpression>(text.c_str(), false);
    expression->Simplify();
    return expression;
}

std::vector<double> GraphSampler::PartStarts(std::int32_t length) const
{
    const double a0 = m_slot.ArgumentAt(0);
    const double step = 1.0 / m_slot.source.range.precision;
    std::vector<double> starts;
    double a = a0;
    for (std::int64_t begin = 0; begin < m_slot.count; begin += length) {
        if (Rederives()) {
            starts.push_back(a0 + static_cast<std::int32_t>(begin) * step);
            continue;
        }
        starts.push_back(a);
        for (std::int32_t k = 0; k < length; ++k)
            a += step;
    }
    return starts;
}

bool GraphSampler::SamplePart(std::int32_t begin, std::int32_t end, double start, const ManualResetEvent& stop,
                              SampleWatch& watch) const
{
    switch (m_slot.source.kind) {
    case KindYofX:
        return Run(begin, end, start, stop, watch, [&](const EvalContext& c, double a) {
            return ScaledPoint{m_scale.Scale(a), m_scale.ScaleDefined(m_f->Value(c))};
        });
    case KindXofY:
        return Run(begin, end, start, stop, watch, [&](const EvalContext& c, double a) {
            return ScaledPoint{m_scale.ScaleDefined(m_f->Value(c)), m_scale.Scale(a)};
        });
    case KindParametric:
        return Run(begin, end, start, stop, watch, [&](const EvalContext& c, double) {
            const double x = m_f->Value(c);
            const double y = m_g->Value(c);
            if (!std::isfinite(x) || !std::isfinite(y))
                return ScaledPoint{POINT_UNDEFINED, POINT_UNDEFINED};
            return ScaledPoint{m_scale.Scale(x), m_scale.Scale(y)};
        });
    case KindPolar:
        // The polar angle is the running argument itself, not its rounding.
        return Run(begin, end, start, stop, watch, [&](const EvalContext& c, double a) {
            const double r = m_f->Value(c);
            if (!std::isfinite(r))
                return ScaledPoint{POINT_UNDEFINED, POINT_UNDEFINED};
            return ScaledPoint{m_scale.Scale(r * std::cos(a)), m_scale.Scale(r * std::sin(a))};
        });
    }
    return true;
}

// fill(c, a) gives the point at the running argument a, whose rounding is
// c's argument. The arguments of a block and their roundings are worked out
// before its evaluations: the rounding ends in a division whose latency
// would otherwise hold up every evaluation.
template <typename Fill>
bool GraphSampler::Run(std::int32_t begin, std::int32_t end, double start, const ManualResetEvent& stop,
                       SampleWatch& watch, Fill fill) const
{
    const double a0 = m_slot.ArgumentAt(0);
    const double step = 1.0 / m_slot.source.range.precision;
    ScaledPoint* const points = m_slot.points.get();
    EvalContext context;
    double a = start;
    double arguments[kBlock];
    double rounded[kBlock];
    for (std::int32_t first = begin; first < end; first += kBlock) {
        if (Rederives())
            a = a0 + first * step;
        const std::int32_t count = std::min(kBlock, end - first);
        for (std::int32_t j = 0; j < count; ++j) {
            arguments[j] = a;
            rounded[j] = RoundToDecimals(a, 7);
            a += step;
        }
        for (std::int32_t j = 0; j < count; ++j) {
            context.argument = rounded[j];
            points[first + j] = fill(context, arguments[j]);
            if (stop.IsSet())
                return false;
        }
        if (!watch.BlockDone(count))
            return false;
    }
    return true;
}
