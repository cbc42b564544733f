// Evaluation speed of compiled expressions over x in [-40, 40], against the
// same formula written in C++ and the same formula in muparser.

#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/InitExpressionEngine.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <functional>
#include <mutex>

namespace {

constexpr int kSamples = 8001;  // step 0.01

double ArgumentAt(int i) { return -40.0 + i * 0.01; }

struct Formula {
    const char* curvix;
    const char* muparser;
    double (*native)(double);
};

const Formula kFormulas[] = {
    {"2sin(x)^2-|x|/3", "2*sin(x)^2-abs(x)/3",
     [](double x) { return 2 * std::pow(std::sin(x), 2) - std::fabs(x) / 3; }},
    {"x^3-2x^2+x-5", "x^3-2*x^2+x-5", [](double x) { return x * x * x - 2 * x * x + x - 5; }},
    {"sqrt(|x|)*cos(3x)+e^(-x*x/50)", "sqrt(abs(x))*cos(3*x)+2.718281828^(-x*x/50)",
     [](double x) { return std::sqrt(std::fabs(x)) * std::cos(3 * x) + std::pow(2.718281828, -x * x / 50); }},
    {"x", "x", [](double x) { return x; }},
    {"less(x,0)*x+greater(x,0)*x^2", "(x<=0)*x+(x>=0)*x^2",
     [](double x) { return (x <= 0 ? x : 0.0) + (x >= 0 ? x * x : 0.0); }},
    {"tg(x)", "tan(x)", [](double x) { return std::tan(x); }},
    {"(x+1)(x-1)/(x^2+1)", "(x+1)*(x-1)/(x^2+1)", [](double x) { return (x + 1) * (x - 1) / (x * x + 1); }},
};

void Curvix(benchmark::State& state, const Formula& formula)
{
    std::lock_guard lock(theVariables.Lock());
    theVariables.SetAvailable("x", true);
    theVariables.SetCurrent("x");
    CExpression expression(formula.curvix, false);
    expression.Simplify();
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            theVariables.SetCurrentValue(ArgumentAt(i));
            expression.Evaluate();
            sum += expression.GetResult(nullptr);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}

void Native(benchmark::State& state, const Formula& formula)
{
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            double x = ArgumentAt(i);
            benchmark::DoNotOptimize(x);
            sum += formula.native(x);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}

void MuParser(benchmark::State& state, const Formula& formula)
{
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(formula.muparser);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            x = ArgumentAt(i);
            sum += parser.Eval();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}

void RegisterAll()
{
    for (const Formula& formula : kFormulas) {
        const std::string name = formula.curvix;
        benchmark::RegisterBenchmark(("Curvix/" + name).c_str(), Curvix, formula);
        benchmark::RegisterBenchmark(("Native/" + name).c_str(), Native, formula);
        benchmark::RegisterBenchmark(("muparser/" + name).c_str(), MuParser, formula);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    InitExpressionEngine();
    RegisterAll();
    return RunWithRatios(argc, argv, "Curvix", {"muparser", "Native"});
}
