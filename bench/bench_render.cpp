// Drawing the graph view of the 15-graph benchmark document (-40..40 on
// both axes, zoom 100, an 800 x 600 client area) on a screen with a device
// pixel ratio of 2 (QT_SCALE_FACTOR, unless it is set already):
//  - a full repaint at precision 3200 against the same at precision 100
//    (the curve pass leaves out the samples that do not change a pixel);
//  - the same full repaint with smooth 2-pixel curves (the default) against
//    classic 1-pixel curves;
//  - a one-line scroll against a full repaint of the same picture;
//  - curvix-cli render (sampling included) against gnuplot drawing the same
//    15 functions with the same number of samples into a PNG of the same
//    size, both run as processes.

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "view/widget/CCurvixView.h"
#include "view/widget/CGraphProgressDlg.h"
#include "view/GraphComputation.h"
#include "QuietComputationSink.h"
#include "model/FileBytes.h"
#include "expr/InitExpressionEngine.h"
#include "model/MemorySettingsBackend.h"
#include "RatioReporter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kPrecision = 3200;
constexpr int kSamples = 80 * kPrecision + 1;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Formula {
    const char* curvix;
    const char* gnuplot;
};

const Formula kFormulas[] = {
    {"2sin(x)^2-|x|/3", "2*sin(x)**2-abs(x)/3"},
    {"x^3-2x^2+x-5", "x**3-2*x**2+x-5"},
    {"sqrt(|x|)*cos(3x)+e^(-x*x/50)", "sqrt(abs(x))*cos(3*x)+exp(-x*x/50)"},
    {"x", "x"},
    {"less(x,0)*x+greater(x,0)*x^2", "(x<=0)*x+(x>=0)*x**2"},
    {"tg(x)", "tan(x)"},
    {"(x+1)(x-1)/(x^2+1)", "(x+1)*(x-1)/(x**2+1)"},
    {"cos(x)*x/10", "cos(x)*x/10"},
    {"sqrt(x^2+1)", "sqrt(x**2+1)"},
    {"ln(x^2+1)", "log(x**2+1)"},
    {"sin(x)+cos(2x)", "sin(x)+cos(2*x)"},
    {"x^2/40-10", "x**2/40-10"},
    {"|sin(x)|*5", "abs(sin(x))*5"},
    {"1/(1+x^2)", "1/(1+x**2)"},
    {"arctg(x)*sin(x/3)", "atan(x)*sin(x/3)"},
};

// The 15 graphs over -40..40 on both axes.
void FillDocument(CCurvixDoc& doc, int precision)
{
    doc.coordSystem.left = doc.coordSystem.bottom = -40;
    doc.coordSystem.right = doc.coordSystem.top = 40;
    doc.coordSystem.precision = precision;
    for (const Formula& formula : kFormulas) {
        GraphItem item;
        item.expression = formula.curvix;
        doc.AddGraph(item);
    }
}

// The benchmark document at a precision, computed and shown in a view.
struct ShownDocument {
    explicit ShownDocument(int precision, bool classic = false)
    {
        settings.SmoothCurves = !classic;
        settings.CurveWidth = classic ? 1 : 2;
        FillDocument(doc, precision);
        // The scroll bars' own painting is the toolkit's, not the view's:
        // hidden, they still carry the positions.
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(kWidth, kHeight);
        view.show();
        Recompute();
    }

    // Refresh, until the window has taken the computation's end report.
    void Recompute()
    {
        view.Refresh();
        if (const CGraphProgressDlg* progress = view.ProgressDialog()) {
            QEventLoop loop;
            QObject::connect(progress, &QObject::destroyed, &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (!computation.IsComputed())
            std::abort();
    }

    // Delivers the pending paint request, as the event loop would.
    void Paint() { QCoreApplication::processEvents(); }

    // The width of what the last paint drew into the picture cache.
    int DrawnWidth() const { return view.LastDrawnRect().right - view.LastDrawnRect().left; }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    GraphComputation computation{settings.defaultCoordSystem};
    CCurvixView view{doc, computation, settings};
};

// Every repaint starts from an emptied picture cache.
void FullRepaint(benchmark::State& state, int precision, bool classic)
{
    ShownDocument shown(precision, classic);
    for (auto _ : state) {
        shown.view.OnUpdate(nullptr, DocView::HintSettingsChanged);
        shown.Paint();
    }
    state.counters["band"] = shown.DrawnWidth();
}

// One line right, then one line back, each repainted.
void LineScroll(benchmark::State& state)
{
    ShownDocument shown(kPrecision);
    shown.Paint();
    QScrollBar* bar = shown.view.horizontalScrollBar();
    bool forward = true;
    for (auto _ : state) {
        bar->triggerAction(forward ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        forward = !forward;
        shown.Paint();
    }
    state.counters["band"] = shown.DrawnWidth();
}

// Runs compared by the wall clock: a child process's work, or a worker's,
// is not this thread's CPU time.
constexpr const char* kWallClock = "wall clock";

// Brackets every formula, or takes the brackets off again: every graph is
// a new function to sample, with the same values.
void ChangeEveryFormula(CCurvixDoc& doc, bool& bracketed)
{
    bracketed = !bracketed;
    for (GraphItem* graph = doc.GetFirstGraph(); graph; graph = doc.GetNextGraph()) {
        std::string& formula = graph->expression;
        formula = bracketed ? "(" + formula + ")" : formula.substr(1, formula.size() - 2);
    }
}

// The window's recompute after every formula changed: from Refresh until
// the window has taken the end report (progress shown on the way) and
// painted the new picture.
void WindowRecompute(benchmark::State& state)
{
    ShownDocument shown(kPrecision);
    shown.Paint();
    bool bracketed = false;
    for (auto _ : state) {
        ChangeEveryFormula(shown.doc, bracketed);
        shown.Recompute();
        shown.Paint();
    }
    state.counters[kWallClock] = 1;
}

// The same sampling without a window.
void SamplingOnly(benchmark::State& state)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    GraphComputation computation(settings.defaultCoordSystem);
    FillDocument(doc, kPrecision);
    QuietComputationSink sink;
    bool bracketed = false;
    for (auto _ : state) {
        ChangeEveryFormula(doc, bracketed);
        if (!computation.Collect(doc) || !computation.Start(doc, sink))
            std::abort();
        computation.Wait(WorkerThread::kInfinite, {});
    }
    state.counters[kWallClock] = 1;
}

std::filesystem::path Scratch(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}

std::string WriteDocument()
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    FillDocument(doc, kPrecision);
    Archive archive;
    doc.Serialize(archive);
    const std::filesystem::path path = Scratch("curvix-bench-render.cvx");
    FileBytes::WriteReplacing(path, archive.Bytes());
    return path.string();
}

std::string WriteGnuplotScript()
{
    const std::filesystem::path path = Scratch("curvix-bench-render.gp");
    std::ofstream script(path);
    script << "set terminal png size " << kWidth << "," << kHeight << "\n"
           << "set output '" << Scratch("curvix-bench-gnuplot.png").string() << "'\n"
           << "set samples " << kSamples << "\nset xrange [-40:40]\nset yrange [-40:40]\nunset key\nplot ";
    const char* separator = "";
    for (const Formula& formula : kFormulas) {
        script << separator << formula.gnuplot;
        separator = ", ";
    }
    script << "\n";
    return path.string();
}

// A child process's work is not this process's CPU time: these runs are
// compared by the wall clock.
void RunProcess(benchmark::State& state, const std::string& command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(command.c_str());
            break;
        }
    }
    state.counters[kWallClock] = 1;
}

class WallClockRatios : public RatioReporter {
public:
    using RatioReporter::RatioReporter;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> adjusted = runs;
        for (Run& run : adjusted) {
            if (run.counters.count(kWallClock))
                run.cpu_accumulated_time = run.real_accumulated_time;
        }
        RatioReporter::ReportRuns(adjusted);
    }
};

void CliRender(benchmark::State& state)
{
    const std::string out = Scratch("curvix-bench-render.png").string();
    RunProcess(state, std::string(CURVIX_CLI) + " render " + WriteDocument() + " -o " + out + " --size "
                          + std::to_string(kWidth) + "x" + std::to_string(kHeight) + " 2>/dev/null");
}

void GnuplotRender(benchmark::State& state)
{
    RunProcess(state, "gnuplot " + WriteGnuplotScript());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    InitExpressionEngine();
    const auto milliseconds = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseRealTime(); };
    milliseconds(benchmark::RegisterBenchmark("Curvix/full repaint", FullRepaint, kPrecision, false));
    milliseconds(benchmark::RegisterBenchmark("Precision100/full repaint", FullRepaint, 100, false));
    milliseconds(benchmark::RegisterBenchmark("Classic/full repaint", FullRepaint, kPrecision, true));
    milliseconds(benchmark::RegisterBenchmark("Curvix/line scroll", LineScroll));
    milliseconds(benchmark::RegisterBenchmark("FullRepaint/line scroll", FullRepaint, kPrecision, false));
    milliseconds(benchmark::RegisterBenchmark("Curvix/window recompute", WindowRecompute));
    milliseconds(benchmark::RegisterBenchmark("Sampling/window recompute", SamplingOnly));
    milliseconds(benchmark::RegisterBenchmark("Curvix/render 15 graphs", CliRender));
    milliseconds(benchmark::RegisterBenchmark("gnuplot/render 15 graphs", GnuplotRender));
    benchmark::Initialize(&argc, argv);
    WallClockRatios reporter("Curvix", {"Precision100", "Classic", "FullRepaint", "Sampling", "gnuplot"});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
