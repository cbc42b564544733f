#include "EvaluatorRows.h"
#include "expr/RoundToDecimals.h"

#include <cstdint>

namespace {

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
    for (const ValueRow& row : EvaluatorRows::kStopRows)
        CheckBothWays(row);
}

// EXPR_FALSE annihilates its whole term, counts as 0 as a divisor and never
// leaves a term; a power chain that is not finite ends the term first.
TEST(Evaluator, TreatsFalseAsAnAnnihilatingZero)
{
    for (const ValueRow& row : EvaluatorRows::kFalseRows)
        CheckBothWays(row);
}

// "^" is the built-in pow with its special cases; chains are
// left-associative and join the term by their base's operator.
TEST(Evaluator, ComputesPowerChains)
{
    for (const ValueRow& row : EvaluatorRows::kPowerRows)
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
