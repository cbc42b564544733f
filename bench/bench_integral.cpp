// The definite integral at 3200 samples a unit over [0, 1000] (3.2 million
// steps) against the same number of bare engine evaluations.

#include "expr/CExpression.h"
#include "tools/ComputeIntegral.h"
#include "expr/CVariableTable.h"
#include "expr/InitExpressionEngine.h"
#include "tools/IntegralRequest.h"
#include "tools/IntegralSink.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <mutex>
#include <string>

namespace {

constexpr int kPrecision = 3200;
constexpr double kTo = 1000;
constexpr int kSteps = static_cast<int>(kPrecision * kTo);

// Small values keep every sample inside the admissible range.
const char* const kFormulas[] = {"x", "sin(x)*cos(x/3)", "x^3/1e5-2x^2/1e4+x/100-5"};

class QuietSink : public IntegralSink {
public:
    void IntegralProgress(int) override {}
    void IntegralDone(IntegralResult) override {}
};

void Integral(benchmark::State& state, const char* formula)
{
    QuietSink sink;
    const IntegralRequest request{formula, 'x', kPrecision, 0, kTo};
    IntegralResult result;
    for (auto _ : state) {
        result = ComputeIntegral(request, sink, nullptr);
        benchmark::DoNotOptimize(result.integral);
    }
    if (result.outcome != IntegralFinished)
        state.SkipWithError("the integral did not finish");
    state.SetItemsProcessed(state.iterations() * kSteps);
}

void Engine(benchmark::State& state, const char* formula)
{
    std::lock_guard lock(theVariables.Lock());
    theVariables.SetAvailable("x", true);
    theVariables.SetCurrent("x");
    CExpression expression(formula, false);
    expression.Simplify();
    const double h = 1.0 / kPrecision;
    for (auto _ : state) {
        double sum = 0;
        double x = 0;
        for (int i = 0; i <= kSteps; ++i, x += h) {
            theVariables.SetCurrentValue(x);
            expression.Evaluate();
            sum += expression.GetResult(nullptr);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kSteps);
}

}  // namespace

int main(int argc, char** argv)
{
    InitExpressionEngine();
    for (const char* formula : kFormulas) {
        benchmark::RegisterBenchmark((std::string("Integral/") + formula).c_str(), Integral, formula)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Engine/") + formula).c_str(), Engine, formula)
            ->Unit(benchmark::kMillisecond);
    }
    return RunWithRatios(argc, argv, "Integral", {"Engine"});
}
