#include "expr/ExprExplanation.h"

#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/ExprReading.h"

#include <cstring>
#include <mutex>

ExprExplanation ExplainExpression(std::string_view text, const char* argument)
{
    ExprExplanation explanation;
    explanation.warnings = FindExprWarnings(text);
    try {
        for (const char* name : {"x", "y", "t"})
            theVariables.SetAvailable(name, std::strcmp(name, argument) == 0);
        theVariables.SetCurrent(argument);
        CExpression expression(std::string(text).c_str(), false);
        std::string reading = ExprReading::Read(expression);
        expression.Simplify();
        theVariables.SetCurrentValue(0.0);
        expression.Evaluate();
        explanation.reading = std::move(reading);
    } catch (const CExprException& error) {
        explanation.error = error;
    }
    return explanation;
}

std::optional<ExprExplanation> TryExplainExpression(std::string_view text, const char* argument)
{
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock())
        return std::nullopt;
    return ExplainExpression(text, argument);
}
