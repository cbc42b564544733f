#include "tools/CurveProbe.h"

#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/ExprConstants.h"
#include "tools/IntegralChecks.h"

#include <cmath>

namespace {

std::unique_ptr<CExpression> Compile(const std::string& text)
{
    auto expression = std::make_unique<CExpression>(text.c_str(), false);
    expression->Simplify();
    return expression;
}

}  // namespace

CurveProbe::CurveProbe(const GraphItem& graph) : m_kind(graph.kind)
{
    if (!IsKnownGraphKind(m_kind))
        throw CExprException(1003, nullptr);
    SelectIntegralArgument(GraphKindArgument(m_kind)[0]);
    m_first = Compile(graph.expression);
    if (m_kind == KindParametric)
        m_second = Compile(graph.expression2);
}

CurveProbe::~CurveProbe() = default;

// NaN where the function has no value at the argument.
double CurveProbe::Value(CExpression& expression, double argument)
{
    theVariables.SetCurrentValue(argument);
    try {
        expression.Evaluate();
    } catch (const CExprException&) {
        return NAN;
    }
    const double value = expression.GetResult(nullptr);
    return value == EXPR_FALSE || !std::isfinite(value) ? NAN : value;
}

CurvePoint CurveProbe::At(double argument)
{
    CurvePoint point{argument, false, 0, 0};
    const double a = Value(*m_first, argument);
    switch (m_kind) {
    case KindYofX:
        point.x = argument;
        point.y = a;
        break;
    case KindXofY:
        point.x = a;
        point.y = argument;
        break;
    case KindParametric:
        point.x = a;
        point.y = Value(*m_second, argument);
        break;
    case KindPolar:
        point.x = a * std::cos(argument);
        point.y = a * std::sin(argument);
        break;
    }
    point.defined = std::isfinite(point.x) && std::isfinite(point.y);
    return point;
}
