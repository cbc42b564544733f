#include "expr/CExprFactor.h"

#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CFunctionList.h"
#include "expr/CVariableTable.h"
#include "expr/ExprConstants.h"
#include "expr/ExprText.h"

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

// Runs compile; an error it throws is placed relative to a text in which
// the compiled piece starts at offset.
template <typename Compile>
auto AtOffset(size_t offset, Compile compile)
{
    try {
        return compile();
    } catch (CExprException& error) {
        error.AddOffset(offset);
        throw;
    }
}

}  // namespace

CallText SplitCallText(const std::string& text)
{
    CallText call;
    const size_t bracket = text.find('(');
    call.name = text.substr(0, bracket);
    const std::string args = bracket == std::string::npos ? std::string() : text.substr(bracket + 1);
    const size_t comma = LastTopLevelComma(args);
    call.first = args.substr(0, comma);
    call.twoArguments = comma != std::string::npos;
    call.second = call.twoArguments ? args.substr(comma + 1) : std::string();
    call.firstOffset = call.name.size() + 1;
    call.secondOffset = call.twoArguments ? call.firstOffset + comma + 1 : 0;
    return call;
}

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
    const CallText call = SplitCallText(text);

    FunctionId functionId = 0;
    theFunctionList.FindId(call.name.c_str(), &functionId);
    id = static_cast<int>(functionId);
    function = theFunctionList.Resolve(functionId);

    if (call.first.empty() || (call.twoArguments && call.second.empty()))
        throw ExprError(1018, call.name.c_str());

    if (!isConstant) {
        arg1 = AtOffset(call.firstOffset, [&] { return CompileSimplified(call.first); });
        if (call.twoArguments)
            arg2 = AtOffset(call.secondOffset, [&] { return CompileSimplified(call.second); });
        return;
    }
    const double callArgs[2] = {
        AtOffset(call.firstOffset, [&] { return ConstantValue(call.first); }),
        call.twoArguments ? AtOffset(call.secondOffset, [&] { return ConstantValue(call.second); }) : EXPR_NO_ARG};
    theFunctionList.CallById(functionId, callArgs, &value);
}
