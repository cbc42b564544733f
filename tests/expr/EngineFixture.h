#pragma once
// Helpers of the engine tests: start-up of the process-wide tables, compiling
// and evaluating by the callers' protocol, catching errors, comparing values.

#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/ExprConstants.h"
#include "expr/InitExpressionEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <string>

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double F = EXPR_FALSE;

inline void StartEngine()
{
    static const bool started = (InitExpressionEngine(), true);
    (void)started;
}

// Under the computation lock, only arg is available among x, y and t, and
// arg is current. Without simplify the tree stays as parsed.
inline std::unique_ptr<CExpression> Compile(const std::string& text, const char* arg = "x",
                                            bool simplify = true)
{
    StartEngine();
    std::lock_guard lock(theVariables.Lock());
    for (const char* name : {"x", "y", "t"})
        theVariables.SetAvailable(name, std::strcmp(name, arg) == 0);
    theVariables.SetCurrent(arg);
    auto expression = std::make_unique<CExpression>(text.c_str(), false);
    if (simplify)
        expression->Simplify();
    return expression;
}

inline double EvalAt(CExpression& expression, double value)
{
    std::lock_guard lock(theVariables.Lock());
    theVariables.SetCurrentValue(value);
    expression.Evaluate();
    double result = -12345.0;
    expression.GetResult(&result);
    return result;
}

inline double Eval(const std::string& text, double value = 0.0, const char* arg = "x")
{
    return EvalAt(*Compile(text, arg), value);
}

// The code and argument of the engine error f throws; code 0 if none.
struct Caught {
    int code = 0;
    std::string arg;
};

inline Caught CatchExpr(const std::function<void()>& f)
{
    try {
        f();
    } catch (const CExprException& e) {
        return {e.Code(), e.Argument()};
    }
    return {};
}

inline void ExpectError(const Caught& caught, int code, const std::string& arg)
{
    EXPECT_EQ(caught.code, code);
    EXPECT_EQ(caught.arg, arg);
}

// NaN matches any NaN; infinities, zero and EXPR_FALSE must match exactly;
// other values to 1e-12 relative (the math library's last bits are free).
inline void ExpectValue(double actual, double expected)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << "got " << actual;
    else if (std::isinf(expected) || expected == 0.0 || expected == F)
        EXPECT_EQ(actual, expected);
    else
        EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
}
