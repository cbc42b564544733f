#include "EngineFixture.h"
#include "RoundToDecimals.h"

#include <cstdint>

namespace {

struct ValueRow {
    const char* text;
    double x;
    double expected;
};

// Each row is checked on the tree as parsed and again after Simplify:
// folding must not change a result.
void CheckBothWays(const ValueRow& row)
{
    SCOPED_TRACE(testing::Message() << row.text << " at x = " << row.x);
    for (const bool simplify : {false, true}) {
        SCOPED_TRACE(simplify ? "simplified" : "as parsed");
        ExpectValue(EvalAt(*Compile(row.text, "x", simplify), row.x), row.expected);
    }
}

// A sum stops at its first term that is not finite; that term's value with
// its sign is the result, and later terms are not computed.
TEST(Evaluator, StopsAtTheFirstTermThatIsNotFinite)
{
    const ValueRow rows[] = {
        {"1/0", 0, kInf}, {"0/0", 0, kNaN}, {"ln(0)", 0, -kInf}, {"-ln(x)", 0, kInf}, {"2-1/x", 0, -kInf},
        {"1/x-1/x", 0, kInf}, {"-1/x+1/x", 0, -kInf}, {"x-x", kInf, kInf}, {"-x+x", kInf, -kInf},
        {"-(0/0)+x", 1, kNaN}, {"tg(x)+1", 3.141592653589793 / 2, kNaN}, {"x-1/0", 1, -kInf},
        {"x*(-1/0)", 2, -kInf}, {"(-1/x)*2", 0, -kInf}, {"ln(0)+1/x", 0, -kInf}, {"ln(x)+sin(x,1)", 0, -kInf},
        {"-1/x", 2, -0.5}, {"x-2-3", 1, -4}, {"5-x+2-3", 1, 3},
    };
    for (const ValueRow& row : rows)
        CheckBothWays(row);
}

// EXPR_FALSE annihilates its whole term, counts as 0 as a divisor and never
// leaves a term; a power chain that is not finite ends the term first.
TEST(Evaluator, TreatsFalseAsAnAnnihilatingZero)
{
    const ValueRow rows[] = {
        {"less(x,0)+1", 1, 1}, {"-less(x,0)", 1, 0}, {"less(x,0)*1/0", 1, 0}, {"1/less(x,0)", 1, kInf},
        {"x/less(x,0)", 1, kInf}, {"x/less(x,0)", -3, -3}, {"less(x,0)/less(x,0)", 1, 0},
        {"less(x,0)/less(x,0)", -1, 1}, {"x*2*less(1,0)", kInf, 0}, {"x*2*less(1,0)", kNaN, 0},
        {"x*(0/0)*less(1,0)", 1, 0}, {"x*less(1,0)/less(1,0)", 1, 0}, {"2/x*less(1,0)", 1, 0},
        {"x/2/less(1,0)", -2, -kInf}, {"less(x,0)*2^x", 1, 0}, {"2^x*less(x,0)", 1, 0},
        {"less(x,0)^2", 1, std::pow(F, 2.0)}, {"1/less(x,0)^1", 1, kInf}, {"x^x*less(1,0)", 1000, kInf},
        {"x^x*less(1,0)", 2, 0}, {"(0-x)^0.5*less(1,0)", 1, kNaN}, {"greater(x,0)*x+less(x,0)*x^2", -3, 9},
        {"-x^2*less(1,0)", 1e200, -kInf}, {"less(1,0)*x^2", 1e200, 0}, {"less(1,0)*x^x*2", 1000, 0},
        {"10^400*less(x,0)", 1, kInf}, {"x/e^1000", 1, kInf}, {"1e300*x*1e300", 1e-300, 1e300},
        {"1e300*x*1e300", 1, kInf}, {"less(1,0)/x^2", 1, 0}, {"3/x^2/less(1,0)", 1, kInf},
        {"2*less(1,0)/x^0.5*4", -1, 0}, {"x*x/less(x,0)", 2, kInf}, {"x*x/less(x,0)*2", -3, 18},
        {"x/less(x,0)*2", -3, -6}, {"x^2*less(x,0)", 2, 0}, {"x^2*less(x,0)", 1e200, kInf},
        {"less(x,0)*x^3", 1e200, 0},
    };
    for (const ValueRow& row : rows)
        CheckBothWays(row);
}

// "^" is the built-in pow with its special cases; chains are
// left-associative and join the term by their base's operator.
TEST(Evaluator, ComputesPowerChains)
{
    const ValueRow rows[] = {
        {"0^0", 0, 1}, {"x^(0-1)", 0, 0}, {"x^1", -8, -8}, {"x^(1/3)", -8, kNaN}, {"(x-1)^(0-1)", 3, 0.5},
        {"x^2^3", 2, 64}, {"2^x^2", 3, 64}, {"2^3^x", 2, 64}, {"x/2^3", 8, 1}, {"x*2^3^2", 1, 64},
        {"x/2^x", 3, 0.375}, {"2^3*x/4^0.5", 1, 4}, {"e^(0-x*x/50)", 5, std::pow(2.718281828, -0.5)},
        {"x^3", 0, 0}, {"2x^3", -3, -54}, {"-x^3", 1e200, -kInf}, {"x^2/40-10", -3, -9.775},
        {"(x+1)(x+2)(x+3)/4", 0, 1.5}, {"(x+1)(x-1)/(x^2+1)", 1e200, kNaN},
    };
    for (const ValueRow& row : rows)
        CheckBothWays(row);
}

// A variable that becomes unavailable after compiling fails at evaluation
// with 1019; the expression works again once it is available.
TEST(Evaluator, ChecksAvailabilityAtEvaluation)
{
    // The second form reads x although the walk ends before it.
    for (const char* text : {"2*x+1", "less(1,0)*x/2+1"}) {
        auto expression = Compile(text);
        std::lock_guard lock(theVariables.Lock());
        theVariables.SetAvailable("x", false);
        const Caught caught = CatchExpr([&] { EvalAt(*expression, 1); });
        theVariables.SetAvailable("x", true);
        ExpectError(caught, 1019, "x");
        EXPECT_EQ(EvalAt(*expression, 1), text[0] == '2' ? 3.0 : 1.0);
    }
}

// The special values and the constants have exact bit patterns.
TEST(Evaluator, UsesExactConstants)
{
    auto bits = [](double v) { std::uint64_t b; std::memcpy(&b, &v, sizeof b); return b; };
    EXPECT_EQ(bits(EXPR_FALSE), 0x3EB8FBBEFD485144u);
    EXPECT_EQ(bits(EXPR_NO_ARG), 0x426CDF1BCC8D3C85u);
    EXPECT_EQ(bits(Eval("t*E", 1, "t")), 0x4005BF0A8B04919Bu);
    EXPECT_EQ(bits(Eval("pi")), 0x400921FB54442D18u);
}

// n decimals; a fractional part above one half rounds away from zero, an
// exact half toward zero. The scaling multiplies by 10^n.
TEST(RoundToDecimals, RoundsHalvesTowardZero)
{
    const std::tuple<double, int, double> rows[] = {
        {2.5, 0, 2},        {-2.5, 0, -2},        {2.6, 0, 3},           {-2.6, 0, -3},
        {0.125, 2, 0.12},   {-0.126, 2, -0.13},   {-0.125, 2, -0.12},    {2.675, 2, 2.67},
        {1.23456789, 7, 1.2345679}, {1.23456784, 7, 1.2345678}, {1e-9, 7, 0.0}, {123456.5, 0, 123456},
        {-0.05, 1, -0.0},
    };
    for (auto [v, n, expected] : rows) {
        SCOPED_TRACE(testing::Message() << v << " to " << n);
        EXPECT_DOUBLE_EQ(RoundToDecimals(v, n), expected);
        RoundToDecimals(&v, n);
        EXPECT_DOUBLE_EQ(v, expected);
    }
}

}  // namespace
