#include "ExprProgram.h"

#include "CExprException.h"
#include "CExpression.h"
#include "CFunctionGroup.h"
#include "CVariableTable.h"
#include "PowValue.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int32_t kOpenSum = -1;
constexpr double F = EXPR_FALSE;

// A sum of one term that is one plain '*' factor needs no term walk.
const CExprFactor* SingleFactor(const CExpression& expression)
{
    const auto& terms = expression.Terms();
    if (terms.size() != 1)
        return nullptr;
    const CExprTerm& term = *terms.front();
    if (term.usesArgument && term.sign == '+' && term.factors.size() == 1 &&
        term.factors.front()->op == '*' && !term.factors.front()->isConstant)
        return term.factors.front().get();
    return nullptr;
}

bool IsConstantSum(const CExpression& expression)
{
    return std::none_of(expression.Terms().begin(), expression.Terms().end(),
                        [](const auto& term) { return term->usesArgument; });
}

double ConstantSum(const CExpression& expression)
{
    double sum = 0.0;
    for (const auto& term : expression.Terms()) {
        if (!AddSignedTerm(sum, term->value, term->sign))
            break;
    }
    return sum;
}

// The '^' of a shaped term: the built-in pow, with its arity check.
double Power(const BuiltinFunction& pow, double base, double exponent)
{
    if (exponent == EXPR_NO_ARG) [[unlikely]]
        ThrowArityError(pow);
    return PowValue(base, exponent);
}

double ReadVariable(const void* target)
{
    const auto* variable = static_cast<const CVariable*>(target);
    if (!variable->available) [[unlikely]]
        throw ExprError(1019, variable->name);
    return variable->value;
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
    if (IsConstantSum(expression)) {
        Emit({.op = Op::PushConstant, .constant = ConstantSum(expression)}, 1);
        return;
    }
    if (const CExprFactor* factor = SingleFactor(expression)) {
        if (factor->kind == FK_VARIABLE) {
            Emit({.op = Op::PushSingleVariable, .target = theVariables.At(factor->id)}, 1);
        } else {
            LowerFactorValue(*factor);
            Emit({.op = Op::Single}, 0);
        }
        return;
    }
    const size_t sumBegin = m_code.size();
    bool first = true;
    for (const auto& term : expression.Terms()) {
        if (term->usesArgument) {
            EmitTerm(*term, first);
        } else {
            Emit({.op = Op::AddConstant, .sign = term->sign, .startsSum = first,
                  .endOfSum = kOpenSum, .constant = term->value},
                 first ? 1 : 0);
        }
        first = false;
    }
    // Nested sums were closed when they were lowered; the open ones are ours.
    for (size_t i = sumBegin; i < m_code.size(); ++i) {
        if (m_code[i].endOfSum == kOpenSum)
            m_code[i].endOfSum = static_cast<std::int32_t>(m_code.size());
    }
}

void ExprProgram::EmitTerm(const CExprTerm& term, bool startsSum)
{
    const std::vector<WalkItem> items = term.WalkItems(0);
    const auto pushed = static_cast<std::int32_t>(
        std::count_if(items.begin(), items.end(), [](const WalkItem& item) { return item.slot >= 0; }));
    Instruction in{.op = Op::Term, .sign = term.sign, .startsSum = startsSum, .pushed = pushed,
                   .endOfSum = kOpenSum};
    auto isValue = [&](size_t i) { return items[i].slot == 0 && items[i].op == '*'; };
    auto isFactor = [&](size_t i) { return items[i].slot < 0 && items[i].op == '*'; };
    auto isExponent = [&](size_t i) { return items[i].slot < 0 && items[i].op == '^'; };
    const size_t n = items.size();
    if (pushed == 1 && n == 1 && isValue(0)) {
        in.op = Op::TermSingle;
    } else if (pushed == 1 && n == 2 && (isValue(0) || isValue(1)) && (isFactor(0) || isFactor(1))) {
        in.op = Op::TermScaled;
        in.constant = isFactor(0) ? items[0].constant : items[1].constant;
    } else if (pushed == 1 && n == 2 && isValue(0) && isExponent(1)) {
        in.op = Op::TermPower;
        in.exponent = items[1].constant;
    } else if (pushed == 1 && n == 3 && isFactor(0) && isValue(1) && isExponent(2)) {
        in.op = Op::TermScaledPower;
        in.constant = items[0].constant;
        in.exponent = items[2].constant;
    }

    const auto value = std::find_if(term.factors.begin(), term.factors.end(),
                                     [](const auto& factor) { return !factor->isConstant; });
    if (in.op != Op::Term && (*value)->kind == FK_VARIABLE) {
        // The shaped term reads the variable itself.
        in.target = theVariables.At((*value)->id);
        in.pushed = 0;
    } else {
        for (const auto& factor : term.factors) {
            if (!factor->isConstant)
                LowerFactorValue(*factor);
        }
    }
    if (in.op == Op::Term) {
        in.walkBegin = static_cast<std::int32_t>(m_walk.size());
        in.walkCount = static_cast<std::int32_t>(n);
        m_walk.insert(m_walk.end(), items.begin(), items.end());
    }
    Emit(in, (startsSum ? 1 : 0) - in.pushed);
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

[[gnu::always_inline]] inline void ExprProgram::AddTerm(const Instruction& in, double value, int& top,
                                                        size_t& pc)
{
    if (in.startsSum)
        m_stack[static_cast<size_t>(top++)] = 0.0;
    if (!AddSignedTerm(m_stack[static_cast<size_t>(top) - 1], value, in.sign))
        pc = static_cast<size_t>(in.endOfSum) - 1;
}

double ExprProgram::Run()
{
    double* stack = m_stack.data();
    int top = 0;  // number of values on the stack
    const size_t size = m_code.size();
    for (size_t pc = 0; pc < size; ++pc) {
        const Instruction& in = m_code[pc];
        switch (in.op) {
        case Op::PushConstant:
            stack[top++] = in.constant;
            break;
        case Op::PushVariable:
            stack[top++] = ReadVariable(in.target);
            break;
        case Op::PushSingleVariable: {
            const double v = ReadVariable(in.target);
            stack[top++] = v == F ? 0.0 : v + 0.0;
            break;
        }
        case Op::Single: {
            // The term walk and the sum reduce to this for one '*' factor.
            const double v = stack[top - 1];
            stack[top - 1] = v == F ? 0.0 : v + 0.0;
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
        case Op::TermSingle: {
            const double v = in.target ? ReadVariable(in.target) : stack[--top];
            AddTerm(in, v == F ? 0.0 : v, top, pc);
            break;
        }
        case Op::TermScaled: {
            const double v = in.target ? ReadVariable(in.target) : stack[--top];
            AddTerm(in, (v == F || in.constant == F) ? 0.0 : TermValue(in.constant * v), top, pc);
            break;
        }
        case Op::TermPower: {
            const double v = in.target ? ReadVariable(in.target) : stack[--top];
            AddTerm(in, TermValue(Power(*m_pow, v, in.exponent)), top, pc);
            break;
        }
        case Op::TermScaledPower: {
            const double v = in.target ? ReadVariable(in.target) : stack[--top];
            const double p = Power(*m_pow, v, in.exponent);
            // A chain that is not finite is the term's value by itself.
            double value = p;
            if (in.constant == F || p == F)
                value = 0.0;
            else if (std::isfinite(p))
                value = TermValue(in.constant * p);
            AddTerm(in, value, top, pc);
            break;
        }
        case Op::Term: {
            top -= in.pushed;
            const double value =
                TermValue(WalkFactors(&m_walk[static_cast<size_t>(in.walkBegin)],
                                      static_cast<size_t>(in.walkCount), stack + top, *m_pow));
            AddTerm(in, value, top, pc);
            break;
        }
        case Op::AddConstant:
            AddTerm(in, in.constant, top, pc);
            break;
        }
    }
    return stack[0];
}
