#include "expr/CTrigFunctions.h"

#include "expr/ExprConstants.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Arguments this close to a pole give no value.
constexpr double kPoleGuard = 0.0025;

double Sin(double x, double) { return std::sin(x); }
double Cos(double x, double) { return std::cos(x); }

// |fmod(x, pi)|, for the pole guards. A cheap reduction, accurate to about
// 1e-10 for moderate x, is used wherever it cannot change the guard's
// decision; near the guard's edges (and for large x) the exact one decides.
double ReducedForGuard(double x, bool (*nearEdge)(double))
{
    constexpr double kInversePi = 1.0 / EXPR_PI;
    constexpr double kMargin = 1e-9;
    if (std::fabs(x) < 1e6) {
        const double reduced = x - std::trunc(x * kInversePi) * EXPR_PI;
        const double r = std::fabs(reduced);
        const bool sameSide = (reduced >= 0) == (x >= 0);
        if (sameSide && r > kMargin && r < EXPR_PI - kMargin && !nearEdge(r))
            return r;
    }
    return std::fabs(std::fmod(x, EXPR_PI));
}

bool NearCtgEdge(double r) { return std::fabs(r - kPoleGuard) < 1e-9; }

// Whether x lies within the guard of a pole of tan, as |fmod(x, pi)| decides
// it. The cheap reduction decides away from the guard's edges: where it
// slips (x next to a multiple of pi) both reductions lie far from pi/2.
bool NearTgPole(double x)
{
    constexpr double kInversePi = 1.0 / EXPR_PI;
    if (std::fabs(x) < 1e6) {
        const double cheap = x - std::trunc(x * kInversePi) * EXPR_PI;
        const double distance = std::fabs(std::fabs(cheap) - EXPR_HALF_PI);
        if (std::fabs(distance - kPoleGuard) >= 1e-9)
            return distance <= kPoleGuard;
    }
    return std::fabs(std::fabs(std::fmod(x, EXPR_PI)) - EXPR_HALF_PI) <= kPoleGuard;
}

double Tg(double x, double) { return NearTgPole(x) ? kNaN : std::tan(x); }

// Guards only arguments just past a multiple of pi in magnitude.
double Ctg(double x, double)
{
    const double r = ReducedForGuard(x, NearCtgEdge);
    return r <= kPoleGuard ? kNaN : 1.0 / std::tan(x);
}

double Arcsin(double x, double) { return std::asin(x); }

// Values a hair above 1 still count as 1.
double Arccos(double x, double) { return (x >= 1.0 && x < 1.00001) ? 0.0 : std::acos(x); }

double Arctg(double x, double) { return std::atan(x); }
double Arcctg(double x, double) { return EXPR_HALF_PI - std::atan(x); }
double Sec(double x, double) { return 1.0 / std::cos(x); }
double Cosec(double x, double) { return 1.0 / std::sin(x); }

constexpr BuiltinFunction kFunctions[] = {
    {"sin", nullptr, "sin(x)", 1, Sin},
    {"cos", nullptr, "cos(x)", 1, Cos},
    {"tg", "tan", "tg(x) / tan(x)", 1, Tg},
    {"ctg", "cot", "ctg(x) / cot(x)", 1, Ctg},
    {"arcsin", "asin", "arcsin(x)", 1, Arcsin},
    {"arccos", "acos", "arccos(x)", 1, Arccos},
    {"arctg", "arctan", "arctg(x) / arctan(x)", 1, Arctg, "atan"},
    {"arcctg", "arccot", "arcctg(x) / arccot(x)", 1, Arcctg, "acot"},
    {"sec", nullptr, "sec(x)", 1, Sec},
    {"cosec", nullptr, "cosec(x)", 1, Cosec},
};

}  // namespace

CTrigFunctions::CTrigFunctions()
    : CFunctionGroup("trigonometrical functions", kFunctions)
{
}

bool CTrigFunctions::MatchName(const char* name) { return MatchFunctionName(name); }

void CTrigFunctions::Evaluate(const double* args) { EvaluateSelected(args); }
