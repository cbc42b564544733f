#include "IntegralWorker.h"

#include "CExpression.h"
#include "CVariableTable.h"
#include "IntegralArguments.h"
#include "IntegralChecks.h"
#include "IntegralPercent.h"
#include "IntegralRequest.h"
#include "IntegralSink.h"
#include "IntegralSum.h"
#include "ManualResetEvent.h"
#include "RoundToDecimals.h"

#include <cmath>
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
bool Sample(CExpression& f, double argument, double& y)
{
    theVariables.SetCurrentValue(argument);
    f.Evaluate();
    y = f.GetResult(nullptr);
    return std::fabs(y) <= kLargestSample;
}

// Samples f at one block of arguments and adds their steps of width h,
// polling the stop event after each sample.
IntegralOutcome SampleBlock(const IntegralArguments& steps, int count, CExpression& f,
                            const IntegralRequest& request, IntegralPercent& percent, RunningSum& running)
{
    const double h = 1.0 / request.samplesPerUnit;
    for (int k = 0; k < count; ++k) {
        const double yPrev = running.y;
        if (!Sample(f, steps.Argument(k), running.y))
            return IntegralNotContinuous;
        if (running.started)
            running.sum.AddStep(yPrev, running.y, h);
        running.started = true;
        if (request.stop && request.stop->IsSet())
            return IntegralStopped;
        percent.At(steps.Position(k));
    }
    return IntegralFinished;
}

// Samples f from `from` to `to` in steps of 1/N and sums the steps into
// result.
IntegralOutcome SampleRange(const IntegralRequest& request, CExpression& f, IntegralSum& result)
{
    RunningSum running;
    double x = request.from;
    if (request.from < request.to) {
        IntegralPercent percent(request.from, request.to, *request.sink);
        IntegralArguments steps(request.from, request.to, 1.0 / request.samplesPerUnit);
        do {
            const int count = steps.NextBlock();
            if (const IntegralOutcome outcome = SampleBlock(steps, count, f, request, percent, running);
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

// Compiles the function and samples it, all under the computation lock.
IntegralOutcome Integrate(const IntegralRequest& request, IntegralSum& result)
{
    std::lock_guard lock(theVariables.Lock());
    SelectIntegralArgument(request.argument);
    CExpression f(request.expression.c_str(), false);
    f.Simplify();
    return SampleRange(request, f, result);
}

}  // namespace

void IntegralWorker(const IntegralRequest& request)
{
    IntegralSum sum;
    IntegralOutcome outcome = IntegralFailed;
    std::optional<CExprException> error;
    try {
        outcome = Integrate(request, sum);
    } catch (const CExprException& failure) {
        error = failure;
    } catch (const std::bad_alloc&) {
        error = CExprException(1003, nullptr);
    }
    if (outcome == IntegralFinished) {
        *request.integral = sum.Integral();
        *request.area = sum.Area();
    }
    request.sink->IntegralDone(outcome, std::move(error));
}
