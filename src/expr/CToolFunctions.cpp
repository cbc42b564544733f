#include "expr/CToolFunctions.h"

#include "expr/ExprConstants.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The tolerance d = 1/100 of the tool functions and its half.
constexpr double kTolerance = 1.0 / 100;
constexpr double kHalfTolerance = 0.005;

double Truth(bool condition) { return condition ? 1.0 : EXPR_FALSE; }
bool IsTrue(double v) { return std::fabs(v) > kHalfTolerance; }

double Equal(double a, double b)
{
    const double difference = a - b;
    return Truth(-kHalfTolerance < difference && difference <= kHalfTolerance);
}

double Greater(double x, double y) { return Truth(x >= y); }
double Less(double x, double y) { return Truth(x <= y); }
double Or(double a, double b) { return Truth(IsTrue(a) || IsTrue(b)); }
double And(double a, double b) { return Truth(IsTrue(a) && IsTrue(b)); }

// Zero near 0, undefined on both sides of the step, else -1 or 1.
double Sign(double x, double)
{
    if (-kHalfTolerance < x && x < kHalfTolerance)
        return 0.0;
    if (-0.015 < x && x < 0.015)
        return kNaN;
    if (x < 0.0)
        return -1.0;
    return x > 0.0 ? 1.0 : kNaN;
}

double Block(double a, double) { return std::fabs(a) < kHalfTolerance ? 1.0 : kNaN; }

// Undefined just below each jump.
double Int(double x, double)
{
    const double whole = std::floor(x);
    return std::floor(x + kTolerance) != whole ? kNaN : whole;
}

double RoundHalfDown(double v) { return std::fmod(v, 1.0) > 0.5 ? std::floor(v) + 1.0 : std::floor(v); }

double Round(double x, double)
{
    const double a = std::fabs(x);
    const double ra = RoundHalfDown(a);
    if (ra != RoundHalfDown(a + kTolerance))
        return kNaN;
    return x > 0.0 ? ra : -ra;
}

double Abs(double x, double) { return std::fabs(x); }

constexpr BuiltinFunction kFunctions[] = {
    {"equal", nullptr, "equal(a, b)", 2, Equal},
    {"greater", nullptr, "greater(x, y)", 2, Greater},
    {"less", nullptr, "less(x, y)", 2, Less},
    {"or", nullptr, "or(a, b)", 2, Or},
    {"and", nullptr, "and(a, b)", 2, And},
    {"sign", nullptr, "sign(x)", 1, Sign},
    {"block", nullptr, "block(a)", 1, Block},
    {"int", nullptr, "int(x)", 1, Int},
    {"round", nullptr, "round(x)", 1, Round},
    {"abs", nullptr, "abs(x)", 1, Abs},
};

}  // namespace

CToolFunctions::CToolFunctions()
    : CFunctionGroup("tool functions", kFunctions)
{
}

bool CToolFunctions::MatchName(const char* name) { return MatchFunctionName(name); }

void CToolFunctions::Evaluate(const double* args) { EvaluateSelected(args); }
