#include "CExprFactor.h"

#include "CExprException.h"
#include "CExpression.h"
#include "CFunctionList.h"
#include "CVariableTable.h"
#include "ExprConstants.h"
#include "ExprText.h"

#include <cmath>

std::string CurrentArgumentName()
{
    char name[64];
    theVariables.GetCurrentName(name);
    return ExprText::Prepare(name);
}

namespace {

// The value of a text that does not contain the argument variable.
double ConstantValue(const std::string& text)
{
    return CExpression(text.c_str(), true).GetResult(nullptr);
}

std::unique_ptr<CExpression> CompileSimplified(const std::string& text)
{
    auto expression = std::make_unique<CExpression>(text.c_str(), false);
    expression->Simplify();
    return expression;
}

// Position of the last ',' outside round brackets, or npos.
size_t LastTopLevelComma(const std::string& text)
{
    size_t comma = std::string::npos;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (text[i] == ',' && depth == 0)
            comma = i;
    }
    return comma;
}

}  // namespace

CExprFactor::CExprFactor(std::string factorText, char factorOp, FactorKind factorKind)
    : text(std::move(factorText)), op(factorOp), kind(factorKind)
{
    isConstant = kind == FK_NUMBER || !ExprText::ContainsWord(text, CurrentArgumentName());
    switch (kind) {
    case FK_NUMBER:
        value = ExprText::NumberValue(text);
        break;
    case FK_VARIABLE:
        CompileVariable();
        break;
    case FK_BRACKETS:
    case FK_ABS:
        CompileGroup();
        break;
    case FK_CALL:
        CompileCall();
        break;
    }
}

CExprFactor::CExprFactor(double constant, char factorOp)
    : op(factorOp), kind(FK_NUMBER), value(constant), isConstant(true)
{
}

CExprFactor::~CExprFactor() = default;

void CExprFactor::CompileVariable()
{
    theVariables.FindIndex(text.c_str(), &id);
    if (isConstant)
        theVariables.GetValue(id, &value);
}

void CExprFactor::CompileGroup()
{
    if (isConstant) {
        value = ConstantValue(text);
        if (kind == FK_ABS)
            value = std::fabs(value);
    } else {
        arg1 = CompileSimplified(text);
    }
}

void CExprFactor::CompileCall()
{
    const size_t bracket = text.find('(');
    const std::string name = text.substr(0, bracket);
    const std::string args = bracket == std::string::npos ? std::string() : text.substr(bracket + 1);

    FunctionId functionId = 0;
    theFunctionList.FindId(name.c_str(), &functionId);
    id = static_cast<int>(functionId);
    function = theFunctionList.Resolve(functionId);

    const size_t comma = LastTopLevelComma(args);
    const std::string first = args.substr(0, comma);
    const std::string second = comma == std::string::npos ? std::string() : args.substr(comma + 1);
    if (first.empty() || (comma != std::string::npos && second.empty()))
        throw ExprError(1018, name.c_str());

    if (!isConstant) {
        arg1 = CompileSimplified(first);
        if (comma != std::string::npos)
            arg2 = CompileSimplified(second);
        return;
    }
    const double callArgs[2] = {ConstantValue(first),
                                comma == std::string::npos ? EXPR_NO_ARG : ConstantValue(second)};
    theFunctionList.CallById(functionId, callArgs, &value);
}
