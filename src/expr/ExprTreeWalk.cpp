#include "expr/ExprTreeWalk.h"

#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CFunctionGroup.h"
#include "expr/CVariableTable.h"

#include <cmath>
#include <vector>

namespace {

double TermValueOf(const CExprTerm& term, const EvalContext& context);

// A sum adds its terms in order up to the first that is not finite.
double SumValue(const CExpression& expression, const EvalContext& context)
{
    double sum = 0.0;
    for (const auto& term : expression.Terms()) {
        const double value = term->usesArgument ? TermValueOf(*term, context) : term->value;
        if (!AddSignedTerm(sum, value, term->sign))
            break;
    }
    return sum;
}

double FactorValue(const CExprFactor& factor, const EvalContext& context)
{
    switch (factor.kind) {
    case FK_VARIABLE:
        if (context.argumentUnavailable)
            throw ExprError(1019, theVariables.At(factor.id)->name);
        return context.argument;
    case FK_BRACKETS:
        return SumValue(*factor.arg1, context);
    case FK_ABS:
        return std::fabs(SumValue(*factor.arg1, context));
    case FK_CALL: {
        const double first = SumValue(*factor.arg1, context);
        const double second = factor.arg2 ? SumValue(*factor.arg2, context) : EXPR_NO_ARG;
        return CallBuiltin(*factor.function, first, second);
    }
    case FK_NUMBER:
        break;
    }
    return factor.value;
}

// Every factor that uses the argument is computed before the walk.
double TermValueOf(const CExprTerm& term, const EvalContext& context)
{
    std::vector<double> values;
    for (const auto& factor : term.factors) {
        if (!factor->isConstant)
            values.push_back(FactorValue(*factor, context));
    }
    const std::vector<WalkItem> items = term.WalkItems();
    return TermValue(WalkFactors(items.data(), items.size(), values.data(), PowerFunction()));
}

}  // namespace

double ExprTreeWalk::Value(const CExpression& expression, const EvalContext& context)
{
    return SumValue(expression, context);
}
