#include "EvaluatorRows.h"

namespace {

constexpr double PI = 3.141592653589793;

// How text splits into signed terms and factors, and how numbers, names,
// bars and unknown characters read.
TEST(Parser, SplitsTextIntoTermsAndFactors)
{
    for (const ValueRow& row : EvaluatorRows::kParseRows) {
        SCOPED_TRACE(row.text);
        ExpectValue(Eval(row.text, row.x), row.expected);
    }
}

// Nothing beyond the first 255 characters reaches the parser; the cut comes
// before white space is removed.
TEST(Parser, ReadsOnlyTheFirst255Characters)
{
    std::string sum = "1";
    while (sum.size() < 255)
        sum += "+1";
    EXPECT_EQ(Eval(sum + ")"), 128.0);
    EXPECT_EQ(Eval(std::string(254, ' ') + "7"), 7.0);
    EXPECT_EQ(Eval(std::string(255, ' ') + "7"), 0.0);
    ExpectError(CatchExpr([] { Compile(std::string(300, 'z')); }), 1012, std::string(255, 'z'));
}


// Errors of the text, of names and of constant calls surface while
// compiling, the leftmost first.
TEST(Parser, RejectsBadTextWhileCompiling)
{
    const ErrorRow rows[] = {
        {"x)", "x", 1002, "')' at position 2"}, {"1 + 2 )", "x", 1002, "')' at position 4"},
        {"(x))(", "x", 1002, "')' at position 4"}, {"(x", "x", 1004, ")"}, {"|x", "x", 1004, "|"},
        {"|x|x|", "x", 1004, "|"}, {"sin x", "x", 1012, "sinx"},
        {"z", "x", 1012, "z"}, {"sin(q)", "x", 1012, "q"}, {"x", "t", 1019, "x"}, {"X*t", "t", 1019, "x"},
        {"y", "x", 1019, "y"}, {"sin()", "x", 1018, "sin"}, {"pow(2,)", "x", 1018, "pow"},
        {"pow(,2)", "x", 1018, "pow"}, {"foo()", "x", 1007, "foo"}, {"x(2)", "x", 1007, "x"},
        // Terms are built during the walk: an early term fails before a
        // bracket error further right, a stray ")" before a later term.
        {"foo(1)+(", "x", 1007, "foo"}, {"z+x)", "x", 1012, "z"}, {"x)+z", "x", 1002, "')' at position 2"},
        // Calls that do not contain the argument are computed now; the t
        // inside "tg" and "sqrt" is not the argument t.
        {"sin(1,2)", "x", 1017, "sin(x)"}, {"x*pow(2)", "x", 1016, "pow(x, y)"},
        {"x+root(4,2.5)", "x", 1020, ""}, {"x*2^sin(1,2)", "x", 1017, "sin(x)"},
        {"tg(1,2)+t", "t", 1017, "tg(x) / tan(x)"}, {"t*sqrt(4,2)", "t", 1017, "sqrt(x)"},
    };
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectError(CatchExpr([&] { Compile(row.text, row.arg); }), row.code, row.argument);
    }
}

// Calls that contain the argument compile cleanly and fail at their first
// computation; factors after an annihilating false are still computed.
TEST(Parser, DefersErrorsOfCallsOnTheArgument)
{
    for (const ErrorRow& row : EvaluatorRows::kDeferredErrorRows) {
        SCOPED_TRACE(row.text);
        std::unique_ptr<CExpression> expression;
        ExpectError(CatchExpr([&] { expression = Compile(row.text, row.arg); }), 0, "");
        ASSERT_TRUE(expression);
        ExpectError(CatchExpr([&] { EvalAt(*expression, row.value); }), row.code, row.argument);
    }
}

// Constants are copied into the tree while compiling: a later change of
// pi's value does not reach a compiled expression.
TEST(Parser, CopiesConstantVariablesWhileCompiling)
{
    const ValueRow rows[] = {
        {"x+pi", 1, 1 + PI}, {"x^pi", 2, std::pow(2.0, PI)}, {"x*sin(pi/2)", 3, 3}};
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.text);
        auto expression = Compile(row.text);
        std::lock_guard lock(theVariables.Lock());
        theVariables.SetValue("pi", 0.0);
        const double value = EvalAt(*expression, row.x);
        theVariables.SetValue("pi", PI);
        ExpectValue(value, row.expected);
    }
}

}  // namespace
