#include "ExprProgram.h"

#include "CExprException.h"
#include "CExpression.h"
#include "CFunctionGroup.h"
#include "CVariableTable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int32_t kOpenSum = -1;

// A sum of one term that is one plain '*' factor needs no term walk.
bool IsSingleFactor(const CExpression& expression)
{
    const auto& terms = expression.Terms();
    if (terms.size() != 1)
        return false;
    const CExprTerm& term = *terms.front();
    return term.usesArgument && term.sign == '+' && term.factors.size() == 1 &&
           term.factors.front()->op == '*' && !term.factors.front()->isConstant;
}

}  // namespace

void ExprProgram::Build(const CExpression& expression)
{
    m_code.clear();
    m_walk.clear();
    m_depth = 0;
    m_maxDepth = 0;
    m_pow = &PowerFunction();
    Lower(expression);
    m_stack.assign(static_cast<size_t>(m_maxDepth) + 1, 0.0);
}

void ExprProgram::Emit(Instruction instruction, int stackChange)
{
    m_code.push_back(instruction);
    m_depth += stackChange;
    m_maxDepth = std::max(m_maxDepth, m_depth);
}

void ExprProgram::Lower(const CExpression& expression)
{
    if (IsSingleFactor(expression)) {
        LowerFactorValue(*expression.Terms().front()->factors.front());
        Emit({.op = Op::Single}, 0);
        return;
    }
    Emit({.op = Op::BeginSum}, 1);
    const size_t sumBegin = m_code.size();
    for (const auto& term : expression.Terms()) {
        if (!term->usesArgument) {
            Emit({.op = Op::AddConstant, .sign = term->sign, .endOfSum = kOpenSum, .constant = term->value}, 0);
            continue;
        }
        std::int32_t pushed = 0;
        for (const auto& factor : term->factors) {
            if (!factor->isConstant) {
                LowerFactorValue(*factor);
                ++pushed;
            }
        }
        const std::vector<WalkItem> items = term->WalkItems(0);
        Emit({.op = Op::Term,
              .sign = term->sign,
              .pushed = pushed,
              .walkBegin = static_cast<std::int32_t>(m_walk.size()),
              .walkCount = static_cast<std::int32_t>(items.size()),
              .endOfSum = kOpenSum},
             -pushed);
        m_walk.insert(m_walk.end(), items.begin(), items.end());
    }
    // Nested sums were closed when they were lowered; the open ones are ours.
    for (size_t i = sumBegin; i < m_code.size(); ++i) {
        if (m_code[i].endOfSum == kOpenSum)
            m_code[i].endOfSum = static_cast<std::int32_t>(m_code.size());
    }
}

void ExprProgram::LowerFactorValue(const CExprFactor& factor)
{
    switch (factor.kind) {
    case FK_VARIABLE:
        Emit({.op = Op::PushVariable, .target = theVariables.At(factor.id)}, 1);
        break;
    case FK_BRACKETS:
        Lower(*factor.arg1);
        break;
    case FK_ABS:
        Lower(*factor.arg1);
        Emit({.op = Op::Abs}, 0);
        break;
    case FK_CALL:
        Lower(*factor.arg1);
        if (factor.arg2) {
            Lower(*factor.arg2);
            Emit({.op = Op::Call2, .target = factor.function}, -1);
        } else {
            Emit({.op = Op::Call1, .target = factor.function}, 0);
        }
        break;
    case FK_NUMBER:
        break;  // numbers are constant and never reach here
    }
}

double ExprProgram::Run()
{
    double* stack = m_stack.data();
    int top = 0;  // number of values on the stack
    const size_t size = m_code.size();
    for (size_t pc = 0; pc < size; ++pc) {
        const Instruction& in = m_code[pc];
        switch (in.op) {
        case Op::PushVariable: {
            const auto* variable = static_cast<const CVariable*>(in.target);
            if (!variable->available)
                throw ExprError(1019, variable->name);
            stack[top++] = variable->value;
            break;
        }
        case Op::Call1:
            stack[top - 1] = CallBuiltin(*static_cast<const BuiltinFunction*>(in.target),
                                         stack[top - 1], EXPR_NO_ARG);
            break;
        case Op::Call2:
            --top;
            stack[top - 1] = CallBuiltin(*static_cast<const BuiltinFunction*>(in.target),
                                         stack[top - 1], stack[top]);
            break;
        case Op::Abs:
            stack[top - 1] = std::fabs(stack[top - 1]);
            break;
        case Op::Single: {
            // The term walk and the sum reduce to this for one '*' factor.
            const double v = stack[top - 1];
            stack[top - 1] = v == EXPR_FALSE ? 0.0 : v + 0.0;
            break;
        }
        case Op::BeginSum:
            stack[top++] = 0.0;
            break;
        case Op::Term: {
            top -= in.pushed;
            const double value =
                TermValue(WalkFactors(&m_walk[static_cast<size_t>(in.walkBegin)],
                                      static_cast<size_t>(in.walkCount), stack + top, *m_pow));
            if (!AddSignedTerm(stack[top - 1], value, in.sign))
                pc = static_cast<size_t>(in.endOfSum) - 1;
            break;
        }
        case Op::AddConstant:
            if (!AddSignedTerm(stack[top - 1], in.constant, in.sign))
                pc = static_cast<size_t>(in.endOfSum) - 1;
            break;
        }
    }
    return stack[0];
}
