#include "CTrigFunctions.h"

#include "ExprConstants.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Arguments this close to a pole give no value.
constexpr double kPoleGuard = 0.0025;

double Sin(double x, double) { return std::sin(x); }
double Cos(double x, double) { return std::cos(x); }

double Tg(double x, double)
{
    const double r = std::fabs(std::fmod(x, EXPR_PI));
    return std::fabs(r - EXPR_HALF_PI) <= kPoleGuard ? kNaN : std::tan(x);
}

// Guards only arguments just past a multiple of pi in magnitude.
double Ctg(double x, double)
{
    const double r = std::fabs(std::fmod(x, EXPR_PI));
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
    {"arcsin", nullptr, "arcsin(x)", 1, Arcsin},
    {"arccos", nullptr, "arccos(x)", 1, Arccos},
    {"arctg", "arctan", "arctg(x) / arctan(x)", 1, Arctg},
    {"arcctg", "arccot", "arcctg(x) / arccot(x)", 1, Arcctg},
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
