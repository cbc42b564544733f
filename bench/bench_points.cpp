// Roots of a y = f(x) graph over [0, 1000] at 200 samples a unit (200,001
// samples, each root refined by Brent's method) against sampling the same
// graph alone for the view, as a refresh does. Target: at most 1.5 times.

#include "QuietComputationSink.h"
#include "view/SamplingRun.h"
#include "expr/InitExpressionEngine.h"
#include "base/ManualResetEvent.h"
#include "tools/PointRequest.h"
#include "tools/PointSearchWorker.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kPrecision = 200;
constexpr double kTo = 1000;
constexpr int kSamples = static_cast<int>(kPrecision * kTo) + 1;

// Many crossing roots; touching roots and minima of |f| above 0; a pole a
// unit with undefined samples.
const char* const kFormulas[] = {"sin(x)", "sin(x)^2-0.5*sin(x)", "x*sin(x)*cos(x/3)", "tg(x)"};

class QuietSearchSink : public PointSearchSink {
public:
    void SearchProgress(int) override {}
    void SearchDone(SearchOutcome result, std::vector<FoundPoint> found, std::optional<CExprException>) override
    {
        outcome = result;
        points = found.size();
    }
    SearchOutcome outcome = SearchOutcome::Failed;
    size_t points = 0;
};

void Roots(benchmark::State& state, const char* formula)
{
    QuietSearchSink sink;
    const PointRequest request{PointGoal::Roots, formula, "", 'x', 0, kTo, kPrecision, &sink, nullptr};
    for (auto _ : state)
        PointSearchWorker(request);
    if (sink.outcome != SearchOutcome::Finished)
        state.SkipWithError("the search did not finish");
    state.counters["roots"] = static_cast<double>(sink.points);
    state.SetItemsProcessed(state.iterations() * kSamples);
}

void Sampling(benchmark::State& state, const char* formula)
{
    GraphPoints slot;
    slot.source.expression = formula;
    slot.source.range = {0, kTo, kPrecision};
    slot.UpdatePointCount();
    if (!slot.Allocate())
        std::abort();
    ManualResetEvent stop;
    QuietComputationSink sink;
    for (auto _ : state) {
        slot.complete = false;
        SamplingRun({&slot}, stop, sink, 1).Run();
        benchmark::DoNotOptimize(slot.points.get());
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}

}  // namespace

int main(int argc, char** argv)
{
    InitExpressionEngine();
    for (const char* formula : kFormulas) {
        benchmark::RegisterBenchmark((std::string("Roots/") + formula).c_str(), Roots, formula)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Sampling/") + formula).c_str(), Sampling, formula)
            ->Unit(benchmark::kMillisecond);
    }
    return RunWithRatios(argc, argv, "Roots", {"Sampling"});
}
