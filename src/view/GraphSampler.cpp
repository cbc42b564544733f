#include "GraphSampler.h"

#include "CVariableTable.h"
#include "ComputationSink.h"
#include "RoundToDecimals.h"
#include "ManualResetEvent.h"

#include <algorithm>
#include <cmath>
#include <cstring>

GraphSampler::GraphSampler(GraphPoints& slot, int slotIndex, int displayedCount,
                           const ManualResetEvent& stop, ComputationSink& sink)
    : slot(slot), slotIndex(slotIndex), displayedCount(displayedCount), stop(stop), sink(sink),
      scale(slot.source.range.precision), nextPercentAt(slot.count)
{
}

bool GraphSampler::Sample()
{
    SelectArgument(GraphKindArgument(slot.source.kind));
    switch (slot.source.kind) {
    case KindYofX:
        return SampleYofX();
    case KindXofY:
        return SampleXofY();
    case KindParametric:
        return SampleParametric();
    case KindPolar:
        return SamplePolar();
    }
    return true;
}

bool GraphSampler::SampleYofX()
{
    const auto f = Compile(slot.source.expression);
    return Run(true, [&](double a) { return ScaledPoint{scale.Scale(a), scale.ScaleDefined(Value(*f))}; });
}

bool GraphSampler::SampleXofY()
{
    const auto f = Compile(slot.source.expression);
    return Run(false, [&](double a) { return ScaledPoint{scale.ScaleDefined(Value(*f)), scale.Scale(a)}; });
}

bool GraphSampler::SampleParametric()
{
    const auto f = Compile(slot.source.expression);
    const auto g = Compile(slot.source.expression2);
    return Run(false, [&](double) {
        const double x = Value(*f);
        const double y = Value(*g);
        if (!std::isfinite(x) || !std::isfinite(y))
            return ScaledPoint{POINT_UNDEFINED, POINT_UNDEFINED};
        return ScaledPoint{scale.Scale(x), scale.Scale(y)};
    });
}

// The polar angle is the running argument itself, not its rounding.
bool GraphSampler::SamplePolar()
{
    const auto f = Compile(slot.source.expression);
    return Run(false, [&](double a) {
        const double r = Value(*f);
        if (!std::isfinite(r))
            return ScaledPoint{POINT_UNDEFINED, POINT_UNDEFINED};
        return ScaledPoint{scale.Scale(r * std::cos(a)), scale.Scale(r * std::sin(a))};
    });
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

double GraphSampler::Value(CExpression& expression)
{
    expression.Evaluate();
    return expression.GetResult(nullptr);
}

template <typename Fill>
bool GraphSampler::Run(bool rederive, Fill fill)
{
    const double a0 = slot.ArgumentAt(0);
    const double step = 1.0 / slot.source.range.precision;
    ScaledPoint* const points = slot.points.get();
    double a = a0;
    double arguments[kBlock];
    double rounded[kBlock];
    for (std::int32_t first = 0; first < slot.count; first += kBlock) {
        if (rederive)
            a = a0 + first * step;
        const std::int32_t count = std::min(kBlock, slot.count - first);
        for (std::int32_t j = 0; j < count; ++j) {
            arguments[j] = a;
            rounded[j] = RoundToDecimals(a, 7);
            a += step;
        }
        for (std::int32_t j = 0; j < count; ++j) {
            theVariables.SetCurrentValue(rounded[j]);
            points[first + j] = fill(arguments[j]);
            if (!Continue(first + j))
                return false;
        }
    }
    slot.complete = true;
    return true;
}

void GraphSampler::ReportPercent(std::int64_t hundredfold)
{
    const std::int64_t percent = hundredfold / slot.count;
    nextPercentAt = (percent + 1) * slot.count;
    sink.GraphProgress(static_cast<int>(percent), displayedCount, slotIndex);
}
