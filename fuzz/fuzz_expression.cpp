// Compiles and evaluates arbitrary text with each argument variable, and
// reads it. Errors are expected; crashes, hangs, out-of-bounds reads, a
// reading that the engine cannot compile again and a compiled program that
// differs from the plain walk over terms and factors are not.

#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/ExprConstants.h"
#include "expr/ExprExplanation.h"
#include "expr/ExprTreeWalk.h"
#include "expr/InitExpressionEngine.h"

#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The value (every NaN alike), or the error's code.
struct Outcome {
    double value = 0.0;
    int code = 0;
};

Outcome Evaluate(const CExpression& expression, const EvalContext& context, bool walk)
{
    try {
        const double value = walk ? ExprTreeWalk::Value(expression, context) : expression.Value(context);
        return {std::isnan(value) ? std::nan("") : value, 0};
    } catch (const CExprException& error) {
        return {0.0, error.Code()};
    }
}

// The compiled program and the plain walk agree bit for bit.
void CompareWithWalk(const CExpression& expression, double argument)
{
    const EvalContext context{argument};
    const Outcome program = Evaluate(expression, context, false);
    const Outcome walk = Evaluate(expression, context, true);
    if (program.code != walk.code || std::memcmp(&program.value, &walk.value, sizeof program.value) != 0)
        std::abort();
}

// The reading of a text that compiles compiles too.
void ReadBack(const std::string& text, const char* argument)
{
    const ExprExplanation explanation = ExplainExpression(text, argument);
    if (explanation.error || explanation.reading.size() > MAX_EXPR_TEXT)
        return;
    try {
        CExpression again(explanation.reading.c_str(), false);
        again.Simplify();
    } catch (const CExprException&) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    static const bool initialised = (InitExpressionEngine(), true);
    (void)initialised;
    if (size > 4096)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* argument : {"x", "t"}) {
        theVariables.SetAvailable("x", argument[0] == 'x');
        theVariables.SetAvailable("t", argument[0] == 't');
        theVariables.SetCurrent(argument);
        try {
            CExpression expression(text.c_str(), false);
            expression.Simplify();
            for (double value : {-1.5, 0.0, 2.0, 1e308}) {
                CompareWithWalk(expression, value);
                theVariables.SetCurrentValue(value);
                try {
                    expression.Evaluate();
                } catch (const CExprException& error) {
                    (void)error.Message();
                }
            }
        } catch (const CExprException& error) {
            (void)error.Message();
        }
        ReadBack(text, argument);
    }
    return 0;
}
