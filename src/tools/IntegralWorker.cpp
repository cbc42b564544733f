#include "IntegralWorker.h"

#include "CExpression.h"
#include "CVariableTable.h"
#include "IntegralChecks.h"
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

class IntegralRun {
public:
    explicit IntegralRun(const IntegralRequest& request) : request(request), h(1.0 / request.samplesPerUnit) {}

    // Samples the whole range under the computation lock.
    IntegralOutcome Run()
    {
        std::lock_guard lock(theVariables.Lock());
        SelectIntegralArgument(request.argument);
        CExpression expression(request.expression.c_str(), false);
        expression.Simplify();
        f = &expression;
        return Sample();
    }

    const IntegralSum& Sum() const { return sum; }

private:
    IntegralOutcome Sample()
    {
        double x = request.from;
        if (request.from < request.to) {
            int lastPercent = 0;
            for (std::int64_t i = 0;; ++i) {
                // Recomputed now and then so that the added steps do not drift.
                if (i % 100 == 0)
                    x = request.from + static_cast<double>(i) * h;
                if (!Next(x))
                    return IntegralNotContinuous;
                if (i >= 1)
                    sum.AddStep(yPrev, y, h);
                if (request.stop && request.stop->IsSet())
                    return IntegralStopped;
                const int percent = static_cast<int>((x - request.from) / (request.to - request.from) * 100);
                if (percent != lastPercent) {
                    lastPercent = percent;
                    request.sink->IntegralProgress(percent);
                }
                x += h;
                if (x >= request.to)
                    break;
            }
        }
        // The last step runs from the last sample up to the bound itself.
        if (!Next(request.to))
            return IntegralNotContinuous;
        sum.AddStep(yPrev, y, request.to - x + h);
        return IntegralFinished;
    }

    // Moves to the sample at x; false for one that breaks the function.
    bool Next(double x)
    {
        theVariables.SetCurrentValue(RoundToDecimals(x, 7));
        yPrev = y;
        f->Evaluate();
        y = f->GetResult(nullptr);
        return std::isfinite(y) && y <= kLargestSample && y >= -kLargestSample;
    }

    const IntegralRequest& request;
    const double h;
    CExpression* f = nullptr;
    double yPrev = 0;
    double y = 0;
    IntegralSum sum;
};

}  // namespace

void IntegralWorker(const IntegralRequest& request)
{
    IntegralRun run(request);
    IntegralOutcome outcome = IntegralFailed;
    std::optional<CExprException> error;
    try {
        outcome = run.Run();
    } catch (const CExprException& failure) {
        error = failure;
    } catch (const std::bad_alloc&) {
        error = CExprException(1003, nullptr);
    }
    if (outcome == IntegralFinished) {
        *request.integral = run.Sum().Integral();
        *request.area = run.Sum().Area();
    }
    request.sink->IntegralDone(outcome, std::move(error));
}
