#include "expr/ExprProgram.h"

#include "expr/CExpression.h"
#include "expr/CExprException.h"
#include "expr/CVariableTable.h"

#include <algorithm>
#include <iterator>

namespace {

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

// The shapes of a term with one value v that have their own node function.
enum class TermShape { Single, Scaled, Power, ScaledPower, Other };

TermShape ShapeOf(const std::vector<WalkItem>& items)
{
    auto isValue = [&](size_t i) { return items[i].slot == 0 && items[i].op == '*'; };
    auto isFactor = [&](size_t i) { return items[i].slot < 0 && items[i].op == '*'; };
    auto isExponent = [&](size_t i) { return items[i].slot < 0 && items[i].op == '^'; };
    const auto values = static_cast<size_t>(
        std::count_if(items.begin(), items.end(), [](const WalkItem& item) { return item.slot >= 0; }));
    if (values != 1)
        return TermShape::Other;
    switch (items.size()) {
    case 1:
        return isValue(0) ? TermShape::Single : TermShape::Other;
    case 2:
        if ((isValue(0) && isFactor(1)) || (isFactor(0) && isValue(1)))
            return TermShape::Scaled;
        return isValue(0) && isExponent(1) ? TermShape::Power : TermShape::Other;
    case 3:
        return isFactor(0) && isValue(1) && isExponent(2) ? TermShape::ScaledPower : TermShape::Other;
    default:
        return TermShape::Other;
    }
}

// c ^ v, where c joins by '*': the constant's join to the empty product
// changes nothing.
bool IsConstantPower(const std::vector<WalkItem>& items)
{
    return items.size() == 2 && items[0].slot < 0 && items[0].op == '*' && items[1].slot == 0 &&
           items[1].op == '^';
}

// a * b ^ c and a ^ c * b, of two values joined by '*' and a constant
// exponent; null for any other walk.
EvalNode::EvalFunction TwoValuesWithPower(const std::vector<WalkItem>& items)
{
    if (items.size() != 3)
        return nullptr;
    auto isValue = [&](size_t i) { return items[i].slot >= 0 && items[i].op == '*'; };
    auto isExponent = [&](size_t i) { return items[i].slot < 0 && items[i].op == '^'; };
    if (isValue(0) && isValue(1) && isExponent(2))
        return EvalNodes::TermValuePower;
    if (isValue(0) && isExponent(1) && isValue(2))
        return EvalNodes::TermPowerValue;
    return nullptr;
}

constexpr size_t kNoValue = static_cast<size_t>(-1);

// Where the value of a one-value term sits:
//   [constants joined by '*' or '/'] value ['^' constant] [constants joined by '*' or '/']
size_t OneValuePosition(const std::vector<WalkItem>& items)
{
    auto joinsConstant = [](const WalkItem& item) { return item.slot < 0 && (item.op == '*' || item.op == '/'); };
    const auto value = std::find_if(items.begin(), items.end(), [](const WalkItem& item) { return item.slot >= 0; });
    if (value == items.end() || (value->op != '*' && value->op != '/'))
        return kNoValue;
    auto rest = value + 1;
    if (rest != items.end() && rest->slot < 0 && rest->op == '^')
        ++rest;
    if (!std::all_of(items.begin(), value, joinsConstant) || !std::all_of(rest, items.end(), joinsConstant))
        return kNoValue;
    return static_cast<size_t>(value - items.begin());
}

// The constants before the value are joined now, in the walk's order; the
// ones after it stay in the node's walk, since their rounding depends on the
// value. False when the constants before the value end the walk.
bool SetUpOneValue(const std::vector<WalkItem>& items, size_t at, EvalNode& node)
{
    double product = 1.0;
    for (size_t i = 0; i < at; ++i) {
        if (!TermWalkDetail::Join(product, items[i].constant, items[i].op))
            return false;
    }
    node.constant = product;
    node.valueOp = items[at].op;
    size_t next = at + 1;
    if (next < items.size() && items[next].op == '^') {
        node.powered = true;
        node.exponent = items[next++].constant;
    }
    node.walk.assign(items.begin() + static_cast<std::ptrdiff_t>(next), items.end());
    return true;
}

// Node functions by shape: of a node operand, and of the variable.
struct ShapeFunctions {
    EvalNode::EvalFunction ofNode;
    EvalNode::EvalFunction ofVariable;
};

// The exponent of a term of shape Power or ScaledPower: its constant joined
// by '^'.
double ExponentOf(const std::vector<WalkItem>& items)
{
    const auto exponent = std::find_if(items.begin(), items.end(), [](const WalkItem& item) { return item.op == '^'; });
    return exponent == items.end() ? 0.0 : exponent->constant;
}

// Terms of shape Power or ScaledPower: squares and cubes have functions of
// their own.
ShapeFunctions PowerFunctionsFor(TermShape shape, double exponent)
{
    using namespace EvalNodes;
    static constexpr struct {
        TermShape shape;
        double exponent;
        ShapeFunctions functions;
    } kPowers[] = {
        {TermShape::Power, 2.0, {TermSquare, TermSquareOfVariable}},
        {TermShape::Power, 3.0, {TermCube, TermCubeOfVariable}},
        {TermShape::ScaledPower, 2.0, {TermScaledSquare, TermScaledSquareOfVariable}},
        {TermShape::ScaledPower, 3.0, {TermScaledCube, TermScaledCubeOfVariable}},
    };
    for (const auto& power : kPowers) {
        if (power.shape == shape && power.exponent == exponent)
            return power.functions;
    }
    if (shape == TermShape::Power)
        return {TermPower, TermPowerOfVariable};
    return {TermScaledPower, TermScaledPowerOfVariable};
}

ShapeFunctions FunctionsFor(TermShape shape, const std::vector<WalkItem>& items)
{
    using namespace EvalNodes;
    switch (shape) {
    case TermShape::Single:
        return {TermSingle, TermSingleOfVariable};
    case TermShape::Scaled:
        return {TermScaled, TermScaledOfVariable};
    case TermShape::Power:
    case TermShape::ScaledPower:
        return PowerFunctionsFor(shape, ExponentOf(items));
    case TermShape::Other:
        break;
    }
    return {TermWalk, TermWalk};
}

}  // namespace

void ExprProgram::Build(const CExpression& expression)
{
    m_nodes.clear();
    m_pow = &PowerFunction();
    m_argument = theVariables.CurrentVariable();
    m_root = LowerSum(expression);
}

EvalNode* ExprProgram::NewNode(EvalNode::EvalFunction eval)
{
    m_nodes.push_back(std::make_unique<EvalNode>());
    m_nodes.back()->eval = eval;
    return m_nodes.back().get();
}

const EvalNode* ExprProgram::LowerSum(const CExpression& expression)
{
    const auto& terms = expression.Terms();
    if (IsConstantSum(expression)) {
        EvalNode* node = NewNode(EvalNodes::Constant);
        node->constant = ConstantSum(expression);
        return node;
    }
    const bool oneTerm = terms.size() == 1;
    if (oneTerm || (terms.size() == 2 && terms[0]->usesArgument && !terms[1]->usesArgument)) {
        // The sum becomes its first term's node with a sum's function.
        EvalNode* node = LowerTerm(*terms.front());
        const EvalNodes::SumFunctions sums = EvalNodes::SumsOf(node->eval);
        if (oneTerm && node->eval == EvalNodes::TermSingleOfVariable && node->sign == '+') {
            node->eval = EvalNodes::SumOfVariable;
        } else if (oneTerm && node->eval == EvalNodes::TermSingle && EvalNodes::SumOfSingle(node->a->eval)) {
            AbsorbOperand(*node);
        } else if (oneTerm) {
            node->eval = sums.ofOneTerm;
        } else {
            node->eval = sums.ofTermAndConstant;
            node->addend = terms[1]->sign == '-' ? -terms[1]->value : terms[1]->value;
        }
        return node;
    }
    static constexpr EvalNode::EvalFunction kSums[] = {EvalNodes::SumOfTwo, EvalNodes::SumOfThree,
                                                        EvalNodes::SumOfFour};
    const size_t unrolled = terms.size() - 2;
    EvalNode* node = NewNode(unrolled < std::size(kSums) ? kSums[unrolled] : EvalNodes::Sum);
    for (const auto& term : terms)
        node->children.push_back(LowerTerm(*term));
    return node;
}

// The node of a one-term sum takes over its operand's fields and
// computes the operand itself.
void ExprProgram::AbsorbOperand(EvalNode& node)
{
    const EvalNode& operand = *node.a;
    node.eval = EvalNodes::SumOfSingle(operand.eval);
    node.function = operand.function;
    node.variable = operand.variable;
    node.constant = operand.constant;
    node.b = operand.b;
    node.a = operand.a;
}

EvalNode* ExprProgram::LowerTerm(const CExprTerm& term)
{
    if (!term.usesArgument) {
        EvalNode* node = NewNode(EvalNodes::Constant);
        node->constant = term.value;
        node->sign = term.sign;
        return node;
    }
    const std::vector<WalkItem> items = term.WalkItems();
    const TermShape shape = ShapeOf(items);
    const size_t oneValueAt = shape == TermShape::Other ? OneValuePosition(items) : kNoValue;
    ShapeFunctions functions = FunctionsFor(shape, items);
    EvalNode* node = NewNode(functions.ofNode);
    node->sign = term.sign;
    node->function = m_pow;
    if (oneValueAt != kNoValue) {
        functions = {EvalNodes::TermOneValue, EvalNodes::TermOneValueOfVariable};
        if (!SetUpOneValue(items, oneValueAt, *node))
            functions = {EvalNodes::TermEndedBeforeValue, EvalNodes::TermEndedBeforeValue};
        else if (node->powered && node->exponent == 2.0)
            functions = {EvalNodes::TermOneSquare, EvalNodes::TermOneSquareOfVariable};
        node->eval = functions.ofNode;
    } else if (shape == TermShape::Other) {
        LowerGeneralTerm(term, *node);
        return node;
    } else {
        for (const WalkItem& item : items) {
            if (item.slot < 0 && item.op == '*')
                node->constant = item.constant;
            else if (item.slot < 0)
                node->exponent = item.constant;
        }
    }
    const auto value = std::find_if(term.factors.begin(), term.factors.end(),
                                    [](const auto& factor) { return !factor->isConstant; });
    if ((*value)->kind == FK_VARIABLE) {
        node->eval = functions.ofVariable;
        node->variable = theVariables.At((*value)->id);
    } else {
        node->a = LowerFactor(**value);
    }
    return node;
}

// The node walks the term's factors: constants are in the walk items, the
// others are computed by the node's children into its values.
void ExprProgram::LowerGeneralTerm(const CExprTerm& term, EvalNode& node)
{
    node.walk = term.WalkItems();
    for (const auto& factor : term.factors) {
        if (!factor->isConstant)
            node.children.push_back(LowerFactor(*factor));
    }
    if (node.children.size() > kMaxTermValues)
        throw ExprError(1003);
    const bool chain = std::any_of(node.walk.begin(), node.walk.end(), [](const WalkItem& item) { return item.op == '^'; });
    if (!chain)
        node.eval = EvalNodes::ProductTerm(node.children.size(), node.walk);
    else if (IsConstantPower(node.walk)) {
        node.eval = EvalNodes::TermConstantPower;
        node.constant = node.walk[0].constant;
        node.a = node.children[0];
    } else if (const auto eval = TwoValuesWithPower(node.walk)) {
        node.eval = eval;
        node.exponent = node.walk[2].op == '^' ? node.walk[2].constant : node.walk[1].constant;
        node.a = node.children[0];
        node.b = node.children[1];
    }
}

const EvalNode* ExprProgram::LowerCall(const CExprFactor& factor)
{
    EvalNode* node = NewNode(factor.arg2 ? EvalNodes::Call2 : EvalNodes::Call1);
    node->function = factor.function;
    node->a = LowerSum(*factor.arg1);
    if (factor.arg2)
        node->b = LowerSum(*factor.arg2);
    // f(x) reads the variable itself; f(a, constant) keeps the constant.
    if (!node->b && node->a->eval == EvalNodes::SumOfVariable) {
        node->eval = EvalNodes::Call1OfVariable;
        node->variable = node->a->variable;
    } else if (node->b && node->b->eval == EvalNodes::Constant) {
        node->eval = EvalNodes::Call2WithConstant;
        node->constant = node->b->constant;
        if (node->a->eval == EvalNodes::SumOfVariable) {
            node->eval = EvalNodes::Call2OfVariableWithConstant;
            node->variable = node->a->variable;
        }
    }
    return node;
}

const EvalNode* ExprProgram::LowerFactor(const CExprFactor& factor)
{
    switch (factor.kind) {
    case FK_VARIABLE: {
        EvalNode* node = NewNode(EvalNodes::Variable);
        node->variable = theVariables.At(factor.id);
        return node;
    }
    case FK_BRACKETS:
        return LowerSum(*factor.arg1);
    case FK_ABS: {
        EvalNode* node = NewNode(EvalNodes::Abs);
        node->a = LowerSum(*factor.arg1);
        if (node->a->eval == EvalNodes::SumOfVariable) {
            node->eval = EvalNodes::AbsOfVariable;
            node->variable = node->a->variable;
        }
        return node;
    }
    case FK_CALL:
        return LowerCall(factor);
    case FK_NUMBER:
        break;
    }
    // Numbers are constant: their value is in the term's walk already.
    EvalNode* node = NewNode(EvalNodes::Constant);
    node->constant = factor.value;
    return node;
}
