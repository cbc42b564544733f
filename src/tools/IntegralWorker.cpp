#include "IntegralWorker.h"

#include "CExpression.h"
#include "CVariableTable.h"
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

// Samples f from `from` to `to` in steps of 1/N and sums the steps into
// result. The running values stay in locals, so that they live in registers
// across the evaluations.
IntegralOutcome SampleRange(const IntegralRequest& request, CExpression& f, IntegralSum& result)
{
    const double from = request.from;
    const double to = request.to;
    const double h = 1.0 / request.samplesPerUnit;
    const ManualResetEvent* const stop = request.stop;
    IntegralSum sum;
    double yPrev = 0;
    double y = 0;
    // Evaluates at the argument; false for a sample that breaks the function.
    const auto next = [&](double argument) {
        theVariables.SetCurrentValue(argument);
        yPrev = y;
        f.Evaluate();
        y = f.GetResult(nullptr);
        // Also false for NaN and infinities.
        return std::fabs(y) <= kLargestSample;
    };

    double x = from;
    if (from < to) {
        IntegralPercent percent(from, to, *request.sink);
        double argument = RoundToDecimals(x, 7);
        for (std::int64_t i = 0;; ++i) {
            // The next sample's place, recomputed every 100 steps so that the
            // added steps do not drift, and its rounding are worked out before
            // this evaluation, so that the processor overlaps them.
            const double xNext = (i + 1) % 100 == 0 ? from + static_cast<double>(i + 1) * h : x + h;
            const double nextArgument = RoundToDecimals(xNext, 7);
            if (!next(argument))
                return IntegralNotContinuous;
            if (i >= 1)
                sum.AddStep(yPrev, y, h);
            if (stop && stop->IsSet())
                return IntegralStopped;
            percent.At(x);
            x += h;
            if (x >= to)
                break;
            x = xNext;
            argument = nextArgument;
        }
    }
    // The last step runs from the last sample up to the bound itself.
    if (!next(RoundToDecimals(to, 7)))
        return IntegralNotContinuous;
    sum.AddStep(yPrev, y, to - x + h);
    result = sum;
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
