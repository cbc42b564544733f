#include "tools/ComputeIntegral.h"

#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/EvalContext.h"
#include "tools/IntegralArguments.h"
#include "tools/IntegralChecks.h"
#include "tools/IntegralPercent.h"
#include "tools/IntegralRequest.h"
#include "tools/IntegralSink.h"
#include "tools/IntegralSum.h"
#include "base/ManualResetEvent.h"
#include "expr/RoundToDecimals.h"

#include <cmath>
#include <memory>
#include <mutex>
#include <new>

namespace {

// Samples beyond this size count as a break in the function.
constexpr double kLargestSample = 100000;

// The sums so far and the last sample taken.
struct RunningSum {
    IntegralSum sum;
    double y = 0;
    bool started = false;  // the first sample only starts the first step
};

// Evaluates f at the argument into y; false for a sample that breaks the
// function (also NaN and infinities).
bool Sample(const CExpression& f, double argument, double& y)
{
    const EvalContext context{argument};
    y = f.Value(context);
    return std::fabs(y) <= kLargestSample;
}

// What one run reads besides its function: the request, where its progress
// goes and the stop event (may be null).
struct RunInput {
    const IntegralRequest& request;
    IntegralSink& progress;
    const ManualResetEvent* stop;
};

// Samples f at one block of arguments and adds their steps of width h,
// polling the stop event after each sample.
IntegralOutcome SampleBlock(const IntegralArguments& steps, int count, const CExpression& f, const RunInput& input,
                            IntegralPercent& percent, RunningSum& running)
{
    const double h = 1.0 / input.request.samplesPerUnit;
    for (int k = 0; k < count; ++k) {
        const double yPrev = running.y;
        if (!Sample(f, steps.Argument(k), running.y))
            return IntegralNotContinuous;
        if (running.started)
            running.sum.AddStep(yPrev, running.y, h);
        running.started = true;
        if (input.stop && input.stop->IsSet())
            return IntegralStopped;
        percent.At(steps.Position(k));
    }
    return IntegralFinished;
}

// Samples f from `from` to `to` in steps of 1/N and sums the steps into
// result.
IntegralOutcome SampleRange(const RunInput& input, const CExpression& f, IntegralSum& result)
{
    const IntegralRequest& request = input.request;
    RunningSum running;
    double x = request.from;
    if (request.from < request.to) {
        IntegralPercent percent(request.from, request.to, input.progress);
        IntegralArguments steps(request.from, request.to, 1.0 / request.samplesPerUnit);
        do {
            const int count = steps.NextBlock();
            if (const IntegralOutcome outcome = SampleBlock(steps, count, f, input, percent, running);
                outcome != IntegralFinished)
                return outcome;
        } while (!steps.Ended());
        x = steps.EndPosition();
    }
    // The last step runs from the last sample up to the bound itself.
    const double yPrev = running.y;
    if (!Sample(f, RoundToDecimals(request.to, 7), running.y))
        return IntegralNotContinuous;
    running.sum.AddStep(yPrev, running.y, request.to - x + 1.0 / request.samplesPerUnit);
    result = running.sum;
    return IntegralFinished;
}

// Compiles the function under the computation lock, as the engine asks of
// every compiler; evaluating the compiled function needs no lock.
std::unique_ptr<const CExpression> Compile(const IntegralRequest& request)
{
    std::lock_guard lock(theVariables.Lock());
    SelectIntegralArgument(request.argument);
    auto f = std::make_unique<CExpression>(request.expression.c_str(), false);
    f->Simplify();
    return f;
}

}  // namespace

IntegralResult ComputeIntegral(const IntegralRequest& request, IntegralSink& progress, const ManualResetEvent* stop)
{
    IntegralResult result;
    IntegralSum sum;
    try {
        result.outcome = SampleRange({request, progress, stop}, *Compile(request), sum);
    } catch (const CExprException& failure) {
        result.outcome = IntegralFailed;
        result.error = failure;
    } catch (const std::bad_alloc&) {
        result.outcome = IntegralFailed;
        result.error = CExprException(1003, nullptr);
    }
    if (result.outcome == IntegralFinished) {
        result.integral = sum.Integral();
        result.area = sum.Area();
    }
    return result;
}
