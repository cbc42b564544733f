// A full refresh of a document of 15 y = f(x) graphs over -40..40 at
// precision 3200 (3,840,015 samples, computed by the worker and stored):
//  - on every hardware thread against the same forced onto one thread;
//  - on one thread against muparser evaluating the same formulas at the
//    same arguments on one thread;
//  - curvix-cli points --summary of the document, run as a process, against
//    the same muparser run;
// and a refresh after a colour change, which samples nothing. Times are by
// the wall clock, the process on every processor.

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "QuietComputationSink.h"
#include "view/GraphComputation.h"
#include "model/FileBytes.h"
#include "view/SamplingRun.h"
#include "expr/InitExpressionEngine.h"
#include "model/MemorySettingsBackend.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kPrecision = 3200;
constexpr int kSamples = 80 * kPrecision + 1;

struct Formula {
    const char* curvix;
    const char* muparser;
};

const Formula kFormulas[] = {
    {"2sin(x)^2-|x|/3", "2*sin(x)^2-abs(x)/3"},
    {"x^3-2x^2+x-5", "x^3-2*x^2+x-5"},
    {"sqrt(|x|)*cos(3x)+e^(-x*x/50)", "sqrt(abs(x))*cos(3*x)+2.718281828^(-x*x/50)"},
    {"x", "x"},
    {"less(x,0)*x+greater(x,0)*x^2", "(x<=0)*x+(x>=0)*x^2"},
    {"tg(x)", "tan(x)"},
    {"(x+1)(x-1)/(x^2+1)", "(x+1)*(x-1)/(x^2+1)"},
    {"cos(x)*x/10", "cos(x)*x/10"},
    {"sqrt(x^2+1)", "sqrt(x^2+1)"},
    {"ln(x^2+1)", "ln(x^2+1)"},
    {"sin(x)+cos(2x)", "sin(x)+cos(2*x)"},
    {"x^2/40-10", "x^2/40-10"},
    {"|sin(x)|*5", "abs(sin(x))*5"},
    {"1/(1+x^2)", "1/(1+x^2)"},
    {"arctg(x)*sin(x/3)", "atan(x)*sin(x/3)"},
};
constexpr int kGraphs = sizeof kFormulas / sizeof kFormulas[0];

struct Document {
    explicit Document(unsigned threads = SamplingRun::HardwareThreads())
    {
        computation.SetThreads(threads);
        doc.coordSystem.left = doc.coordSystem.bottom = -40;
        doc.coordSystem.right = doc.coordSystem.top = 40;
        doc.coordSystem.precision = kPrecision;
        for (const Formula& formula : kFormulas) {
            GraphItem item;
            item.expression = formula.curvix;
            doc.AddGraph(item);
        }
    }

    void Refresh()
    {
        if (!computation.Collect(doc) || !computation.Start(doc, sink))
            std::abort();
        computation.Wait(WorkerThread::kInfinite, {});
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    GraphComputation computation{settings.defaultCoordSystem};
    QuietComputationSink sink;
};

// Every graph sampled again into the buffers it has, as after a change of
// every function.
void FullRefresh(benchmark::State& state, unsigned threads)
{
    Document document(threads);
    document.Refresh();
    for (auto _ : state) {
        for (int i = 0; i < kGraphs; ++i)
            document.computation.Points(i).complete = false;
        document.Refresh();
    }
    state.SetItemsProcessed(state.iterations() * kGraphs * kSamples);
}

// The first refresh of the document: the buffers are allocated as well.
void CurvixFirstRefresh(benchmark::State& state)
{
    Document document;
    for (auto _ : state) {
        document.computation.FreePoints();
        document.Refresh();
    }
    state.SetItemsProcessed(state.iterations() * kGraphs * kSamples);
}

void MuParserSamples(benchmark::State& state)
{
    double x = 0;
    std::unique_ptr<mu::Parser> parsers[kGraphs];
    for (int i = 0; i < kGraphs; ++i) {
        parsers[i] = std::make_unique<mu::Parser>();
        parsers[i]->DefineVar("x", &x);
        parsers[i]->SetExpr(kFormulas[i].muparser);
    }
    for (auto _ : state) {
        double sum = 0;
        for (const auto& parser : parsers) {
            for (int k = 0; k < kSamples; ++k) {
                x = -40.0 + static_cast<double>(k) / kPrecision;
                sum += parser->Eval();
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kGraphs * kSamples);
}

// The document as a file, for the command line.
std::string WriteDocument()
{
    Document document;
    Archive archive;
    document.doc.Serialize(archive);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "curvix-bench-refresh.cvx";
    FileBytes::WriteReplacing(path, archive.Bytes());
    return path.string();
}

// A child process's work is not this process's: run by the wall clock.
void CliPointsSummary(benchmark::State& state)
{
    const std::string command = std::string(CURVIX_CLI) + " points --summary " + WriteDocument() + " >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(command.c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kGraphs * kSamples);
}

void CurvixColourOnlyRefresh(benchmark::State& state)
{
    Document document;
    document.Refresh();
    std::uint32_t colour = 0;
    for (auto _ : state) {
        document.doc.GetFirstGraph()->color = ++colour;
        document.Refresh();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    InitExpressionEngine();
    const auto wall = [](benchmark::internal::Benchmark* b, benchmark::TimeUnit unit = benchmark::kMillisecond) {
        b->Unit(unit)->MeasureProcessCPUTime()->UseRealTime();
    };
    const std::string threads = std::to_string(SamplingRun::HardwareThreads());
    wall(benchmark::RegisterBenchmark("Curvix/full refresh", FullRefresh, SamplingRun::HardwareThreads()));
    wall(benchmark::RegisterBenchmark("OneThread/full refresh", FullRefresh, 1u));
    wall(benchmark::RegisterBenchmark("Curvix/one-thread refresh", FullRefresh, 1u));
    wall(benchmark::RegisterBenchmark("muparser/one-thread refresh", MuParserSamples));
    wall(benchmark::RegisterBenchmark("Curvix/first refresh", CurvixFirstRefresh));
    wall(benchmark::RegisterBenchmark("Curvix/points --summary", CliPointsSummary));
    wall(benchmark::RegisterBenchmark("muparser/points --summary", MuParserSamples));
    wall(benchmark::RegisterBenchmark("Curvix/colour-only refresh", CurvixColourOnlyRefresh), benchmark::kMicrosecond);
    std::printf("hardware threads: %s\n", threads.c_str());
    return RunWithRatios(argc, argv, "Curvix", {"OneThread", "muparser"}, RatioClock::Wall);
}
