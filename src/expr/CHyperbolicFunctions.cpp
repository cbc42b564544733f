#include "expr/CHyperbolicFunctions.h"

#include "expr/ExprConstants.h"

#include <cmath>

namespace {

// The hyperbolic functions use the engine's ten-digit e, not exp().
double EPow(double v) { return std::pow(EXPR_E, v); }

double Sh(double x, double) { return (EPow(x) - EPow(-x)) * 0.5; }
double Ch(double x, double) { return (EPow(-x) + EPow(x)) * 0.5; }
double Th(double x, double) { return (EPow(x) - EPow(-x)) / (EPow(x) + EPow(-x)); }
double Cth(double x, double) { return (EPow(-x) + EPow(x)) / (EPow(x) - EPow(-x)); }
double Arsh(double x, double) { return std::log(x + std::sqrt(x * x + 1.0)); }
double Arch(double x, double) { return std::log(x + std::sqrt(x * x - 1.0)); }

// Near +1 and -1 the inverse tangent and cotangent are clamped to +-100.
bool NearPlusOne(double x) { return 0.99999 < x && x <= 1.00001; }
bool NearMinusOne(double x) { return -1.00001 < x && x <= -0.99999; }

double Arth(double x, double)
{
    if (NearPlusOne(x))
        return 100.0;
    if (NearMinusOne(x))
        return -100.0;
    return 0.5 * std::log((1.0 + x) / (1.0 - x));
}

double Arcth(double x, double)
{
    if (NearPlusOne(x))
        return 100.0;
    if (NearMinusOne(x))
        return -100.0;
    return 0.5 * std::log((x + 1.0) / (x - 1.0));
}

constexpr BuiltinFunction kFunctions[] = {
    {"sh", "sinh", "sh(x) [sinh(x)]", 1, Sh},
    {"ch", "cosh", "ch(x) [cosh(x)]", 1, Ch},
    {"th", "tanh", "th(x) [tanh(x)]", 1, Th},
    {"cth", "coth", "cth(x) [coth(x)]", 1, Cth},
    {"arsh", "asinh", "arsh(x) [asinh(x)]", 1, Arsh},
    {"arch", "acosh", "arch(x) [acosh(x)]", 1, Arch},
    {"arth", "atanh", "arth(x) [atanh(x)]", 1, Arth},
    {"arcth", "acoth", "arcth(x) [acoth(x)]", 1, Arcth},
};

}  // namespace

CHyperbolicFunctions::CHyperbolicFunctions()
    : CFunctionGroup("hyperbolical functions", kFunctions)
{
}

bool CHyperbolicFunctions::MatchName(const char* name) { return MatchFunctionName(name); }

void CHyperbolicFunctions::Evaluate(const double* args) { EvaluateSelected(args); }
