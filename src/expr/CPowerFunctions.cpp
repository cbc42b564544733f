#include "expr/CPowerFunctions.h"

#include "expr/CExprException.h"
#include "expr/PowValue.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

double Sqrt(double x, double) { return x == 0.0 ? 0.0 : std::sqrt(x); }
double Pow(double x, double y) { return PowValue(x, y); }
double Log(double base, double y) { return std::log(y) / std::log(base); }
double Lg(double x, double) { return std::log10(x); }
double Ln(double x, double) { return std::log(x); }

// Rounds to the nearest integer with an exact half going down; 170! is the
// largest factorial a double holds.
double Fact(double x, double)
{
    if (std::isnan(x))
        return kNaN;
    const double n = (x - std::floor(x) > 0.5) ? std::floor(x) + 1.0 : std::floor(x);
    if (n < 2.0)
        return 1.0;
    if (n > 170.0)
        return kInfinity;
    double product = 1.0;
    for (double k = 2.0; k <= n; k += 1.0)
        product *= k;
    return product;
}

// The y-th root, also of negative x for odd y.
double Root(double x, double y)
{
    if (double special; PowSpecialCase(x, y, special))
        return special;
    if (std::isnan(y))
        return kNaN;
    if (std::floor(y) != y)
        throw ExprError(1020);
    if (x < 0.0 && std::fmod(y, 2.0) == 1.0)
        return -std::pow(-x, 1.0 / y);
    return std::pow(x, 1.0 / y);
}

double Exp(double x, double) { return std::exp(x); }

constexpr BuiltinFunction kFunctions[] = {
    {"sqrt", nullptr, "sqrt(x)", 1, Sqrt},
    {"pow", nullptr, "pow(x, y)", 2, Pow},
    {"log", nullptr, "log(x, y)", 2, Log},
    {"lg", nullptr, "lg(x)", 1, Lg},
    {"ln", nullptr, "ln(x)", 1, Ln},
    {"fact", nullptr, "fact(x)", 1, Fact},
    {"root", nullptr, "root(x, y)", 2, Root},
    {"exp", nullptr, "exp(x)", 1, Exp},
};

}  // namespace

CPowerFunctions::CPowerFunctions()
    : CFunctionGroup("power functions", kFunctions)
{
}

bool CPowerFunctions::MatchName(const char* name) { return MatchFunctionName(name); }

void CPowerFunctions::Evaluate(const double* args) { EvaluateSelected(args); }
