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
    // Moves to the sample at x; false for one that breaks the function.
    const auto next = [&](double x) {
        theVariables.SetCurrentValue(RoundToDecimals(x, 7));
        yPrev = y;
        f.Evaluate();
        y = f.GetResult(nullptr);
        // Also false for NaN and infinities.
        return std::fabs(y) <= kLargestSample;
    };

    double x = from;
    if (from < to) {
        IntegralPercent percent(from, to, *request.sink);
        for (std::int64_t i = 0;; ++i) {
            // Recomputed now and then so that the added steps do not drift.
            if (i % 100 == 0)
                x = from + static_cast<double>(i) * h;
            if (!next(x))
                return IntegralNotContinuous;
            if (i >= 1)
                sum.AddStep(yPrev, y, h);
            if (stop && stop->IsSet())
                return IntegralStopped;
            percent.At(x);
            x += h;
            if (x >= to)
                break;
        }
    }
    // The last step runs from the last sample up to the bound itself.
    if (!next(to))
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
