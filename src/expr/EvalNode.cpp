#include "expr/EvalNode.h"

#include "expr/CExprException.h"
#include "expr/CFunctionGroup.h"
#include "expr/CVariable.h"
#include "expr/PowValue.h"

#include <cmath>
#include <string>
#include <utility>

namespace {

constexpr double F = EXPR_FALSE;

[[noreturn, gnu::cold]] void ThrowUnavailable(const CVariable& variable)
{
    throw ExprError(1019, variable.name);
}

// The argument, as a node that reads the variable reads it.
[[gnu::always_inline]] inline double Read(const EvalNode& n, const EvalContext& c)
{
    if (c.argumentUnavailable) [[unlikely]]
        ThrowUnavailable(*n.variable);
    return c.argument;
}

// The '^' of a term: the built-in pow, with its arity check.
[[gnu::always_inline]] inline double Power(const BuiltinFunction& pow, double base, double exponent)
{
    if (exponent == EXPR_NO_ARG) [[unlikely]]
        ThrowArityError(pow);
    return PowValue(base, exponent);
}

inline double OfVariable(const EvalNode& n, const EvalContext& c) { return Read(n, c); }
inline double OfNode(const EvalNode& n, const EvalContext& c) { return n.a->Value(c); }

// The term walk written out for one value v, alone or with a constant
// factor and an exponent.
template <EvalNode::EvalFunction Operand>
[[gnu::always_inline]] inline double Single(const EvalNode& n, const EvalContext& c)
{
    const double v = Operand(n, c);
    return v == F ? 0.0 : v;
}

template <EvalNode::EvalFunction Operand>
[[gnu::always_inline]] inline double Scaled(const EvalNode& n, const EvalContext& c)
{
    const double v = Operand(n, c);
    return (v == F || n.constant == F) ? 0.0 : TermValue(n.constant * v);
}

// How a term raises its value v: by the node's exponent, or by 2 or 3 when
// the exponent was known to be one of them when the term was compiled.
[[gnu::always_inline]] inline double RaiseAny(const EvalNode& n, double v) { return Power(*n.function, v, n.exponent); }
[[gnu::always_inline]] inline double RaiseSquare(const EvalNode&, double v) { return PowSquare(v); }
[[gnu::always_inline]] inline double RaiseCube(const EvalNode&, double v) { return PowCube(v); }

using RaiseFunction = double (*)(const EvalNode&, double);

template <EvalNode::EvalFunction Operand, RaiseFunction Raise = RaiseAny>
[[gnu::always_inline]] inline double Powered(const EvalNode& n, const EvalContext& c)
{
    return TermValue(Raise(n, Operand(n, c)));
}

template <EvalNode::EvalFunction Operand, RaiseFunction Raise = RaiseAny>
[[gnu::always_inline]] inline double ScaledPowered(const EvalNode& n, const EvalContext& c)
{
    const double p = Raise(n, Operand(n, c));
    if (n.constant == F || p == F)
        return 0.0;
    // A chain that is not finite is the term's value by itself.
    return std::isfinite(p) ? TermValue(n.constant * p) : p;
}

template <EvalNode::EvalFunction Operand, RaiseFunction Raise = RaiseAny>
[[gnu::always_inline]] inline double OneValue(const EvalNode& n, const EvalContext& c)
{
    double v = Operand(n, c);
    if (n.powered) {
        v = Raise(n, v);
        // The walk's rules for a power chain: one that is not finite is the
        // term's value; one joined by '*' to an ended product ends the walk.
        if (!std::isfinite(v))
            return v;
        if (n.valueOp == '*' && n.constant == F)
            return 0.0;
    }
    double product = n.constant;
    if (TermWalkDetail::Join(product, v, n.valueOp)) {
        for (const WalkItem& item : n.walk) {
            if (!TermWalkDetail::Join(product, item.constant, item.op))
                break;
        }
    }
    return TermValue(product);
}

}  // namespace

namespace EvalNodes {

double Constant(const EvalNode& n, const EvalContext&) { return n.constant; }

double Variable(const EvalNode& n, const EvalContext& c) { return Read(n, c); }

double SumOfVariable(const EvalNode& n, const EvalContext& c)
{
    const double v = Read(n, c);
    return v == F ? 0.0 : v + 0.0;
}

namespace {

[[gnu::always_inline]] inline bool AddTerm(double& sum, const EvalNode& term, const EvalContext& c)
{
    return AddSignedTerm(sum, term.eval == Constant ? term.constant : term.Value(c), term.sign);
}

// A sum of N terms, unrolled: the terms in order up to the first that is
// not finite.
template <size_t... I>
double SumOf(const EvalNode& n, const EvalContext& c, std::index_sequence<I...>)
{
    const EvalNode* const* terms = n.children.data();
    double sum = 0.0;
    (AddTerm(sum, *terms[I], c) && ...);
    return sum;
}

}  // namespace

double Sum(const EvalNode& n, const EvalContext& c)
{
    double sum = 0.0;
    for (const EvalNode* term : n.children) {
        if (!AddTerm(sum, *term, c))
            break;
    }
    return sum;
}

double SumOfTwo(const EvalNode& n, const EvalContext& c) { return SumOf(n, c, std::make_index_sequence<2>()); }
double SumOfThree(const EvalNode& n, const EvalContext& c) { return SumOf(n, c, std::make_index_sequence<3>()); }
double SumOfFour(const EvalNode& n, const EvalContext& c) { return SumOf(n, c, std::make_index_sequence<4>()); }

double Call1(const EvalNode& n, const EvalContext& c) { return CallBuiltin(*n.function, n.a->Value(c), EXPR_NO_ARG); }

double Call1OfVariable(const EvalNode& n, const EvalContext& c)
{
    return CallBuiltin(*n.function, SumOfVariable(n, c), EXPR_NO_ARG);
}

double Call2(const EvalNode& n, const EvalContext& c)
{
    const double first = n.a->Value(c);
    return CallBuiltin(*n.function, first, n.b->Value(c));
}

double Call2WithConstant(const EvalNode& n, const EvalContext& c)
{
    return CallBuiltin(*n.function, n.a->Value(c), n.constant);
}

double Call2OfVariableWithConstant(const EvalNode& n, const EvalContext& c)
{
    return CallBuiltin(*n.function, SumOfVariable(n, c), n.constant);
}

double Abs(const EvalNode& n, const EvalContext& c) { return std::fabs(n.a->Value(c)); }
double AbsOfVariable(const EvalNode& n, const EvalContext& c) { return std::fabs(SumOfVariable(n, c)); }

double TermSingle(const EvalNode& n, const EvalContext& c) { return Single<OfNode>(n, c); }
double TermScaled(const EvalNode& n, const EvalContext& c) { return Scaled<OfNode>(n, c); }
double TermPower(const EvalNode& n, const EvalContext& c) { return Powered<OfNode>(n, c); }
double TermScaledPower(const EvalNode& n, const EvalContext& c) { return ScaledPowered<OfNode>(n, c); }
double TermSingleOfVariable(const EvalNode& n, const EvalContext& c) { return Single<OfVariable>(n, c); }
double TermScaledOfVariable(const EvalNode& n, const EvalContext& c) { return Scaled<OfVariable>(n, c); }
double TermPowerOfVariable(const EvalNode& n, const EvalContext& c) { return Powered<OfVariable>(n, c); }
double TermScaledPowerOfVariable(const EvalNode& n, const EvalContext& c) { return ScaledPowered<OfVariable>(n, c); }
double TermSquare(const EvalNode& n, const EvalContext& c) { return Powered<OfNode, RaiseSquare>(n, c); }
double TermCube(const EvalNode& n, const EvalContext& c) { return Powered<OfNode, RaiseCube>(n, c); }
double TermScaledSquare(const EvalNode& n, const EvalContext& c) { return ScaledPowered<OfNode, RaiseSquare>(n, c); }
double TermScaledCube(const EvalNode& n, const EvalContext& c) { return ScaledPowered<OfNode, RaiseCube>(n, c); }
double TermSquareOfVariable(const EvalNode& n, const EvalContext& c) { return Powered<OfVariable, RaiseSquare>(n, c); }
double TermCubeOfVariable(const EvalNode& n, const EvalContext& c) { return Powered<OfVariable, RaiseCube>(n, c); }
double TermScaledSquareOfVariable(const EvalNode& n, const EvalContext& c) { return ScaledPowered<OfVariable, RaiseSquare>(n, c); }
double TermScaledCubeOfVariable(const EvalNode& n, const EvalContext& c) { return ScaledPowered<OfVariable, RaiseCube>(n, c); }
double TermOneValue(const EvalNode& n, const EvalContext& c) { return OneValue<OfNode>(n, c); }
double TermOneValueOfVariable(const EvalNode& n, const EvalContext& c) { return OneValue<OfVariable>(n, c); }
double TermOneSquare(const EvalNode& n, const EvalContext& c) { return OneValue<OfNode, RaiseSquare>(n, c); }
double TermOneSquareOfVariable(const EvalNode& n, const EvalContext& c) { return OneValue<OfVariable, RaiseSquare>(n, c); }

// The value is still computed: its errors count although the walk never
// reaches it.
double TermEndedBeforeValue(const EvalNode& n, const EvalContext& c)
{
    if (n.variable)
        Read(n, c);
    else
        n.a->Value(c);
    return 0.0;
}

namespace {

[[gnu::always_inline]] inline double FactorValue(const EvalNode& child, const EvalContext& c)
{
    return child.eval == Variable ? Read(child, c) : child.Value(c);
}

// Every factor of a general term is computed before the walk combines
// them: a factor's error counts even when an earlier factor ends the walk.
// The walk finds the constants in its items and the rest in values, which
// holds kMaxTermValues.
void ComputeFactors(const EvalNode& n, const EvalContext& c, double* values)
{
    const size_t count = n.children.size();
    for (size_t i = 0; i < count; ++i)
        values[i] = FactorValue(*n.children[i], c);
}

}  // namespace

namespace {

// A term of K values and M factors in all, joined by the operators Ops:
// the values stay in registers and the walk is unrolled.
template <char... Ops, size_t... K, size_t... M>
double Product(const EvalNode& n, const EvalContext& c, std::index_sequence<K...>, std::index_sequence<M...>)
{
    const EvalNode* const* children = n.children.data();
    // Braced initialisation computes the values in order.
    const double values[] = {FactorValue(*children[K], c)...};
    const WalkItem* items = n.walk.data();
    // Without constants, factor i is value i.
    constexpr bool kValuesOnly = sizeof...(K) == sizeof...(M);
    const auto factor = [&](size_t i) { return kValuesOnly ? values[i] : TermWalkDetail::ValueOf(items[i], values); };
    constexpr char kOps[] = {Ops...};
    double product = 1.0;
    (TermWalkDetail::Join(product, factor(M), kOps[M]) && ...);
    return TermValue(product);
}

template <size_t K, char... Ops>
double ProductOf(const EvalNode& n, const EvalContext& c)
{
    return Product<Ops...>(n, c, std::make_index_sequence<K>(), std::make_index_sequence<sizeof...(Ops)>());
}

}  // namespace

// a * b ^ c: the walk joins a, then the chain b ^ c, which is the term's
// value when it is not finite.
double TermValuePower(const EvalNode& n, const EvalContext& c)
{
    const double a = FactorValue(*n.a, c);
    const double b = FactorValue(*n.b, c);
    if (a == F)
        return 0.0;
    const double p = Power(*n.function, b, n.exponent);
    if (!std::isfinite(p))
        return p;
    return p == F ? 0.0 : TermValue(a * p);
}

// a ^ c * b: the chain first, then b joins it.
double TermPowerValue(const EvalNode& n, const EvalContext& c)
{
    const double a = FactorValue(*n.a, c);
    const double b = FactorValue(*n.b, c);
    const double p = Power(*n.function, a, n.exponent);
    if (!std::isfinite(p))
        return p;
    return (p == F || b == F) ? 0.0 : TermValue(p * b);
}

// c ^ v: a power chain that is the whole term is the term's value.
double TermConstantPower(const EvalNode& n, const EvalContext& c)
{
    return TermValue(Power(*n.function, n.constant, FactorValue(*n.a, c)));
}

double TermProduct(const EvalNode& n, const EvalContext& c)
{
    double values[kMaxTermValues];
    ComputeFactors(n, c, values);
    double product = 1.0;
    for (const WalkItem& item : n.walk) {
        if (!TermWalkDetail::Join(product, TermWalkDetail::ValueOf(item, values), item.op))
            break;
    }
    return TermValue(product);
}

double TermWalk(const EvalNode& n, const EvalContext& c)
{
    double values[kMaxTermValues];
    ComputeFactors(n, c, values);
    return TermValue(WalkFactors(n.walk.data(), n.walk.size(), values, *n.function));
}

namespace {

template <EvalNode::EvalFunction Term>
double SumOfOneTerm(const EvalNode& n, const EvalContext& c)
{
    double sum = 0.0;
    AddSignedTerm(sum, Term(n, c), n.sign);
    return sum;
}

// The constant term carries its sign already: sum - c is sum + (-c).
template <EvalNode::EvalFunction Term>
double SumOfTermAndConstant(const EvalNode& n, const EvalContext& c)
{
    double sum = 0.0;
    if (!AddSignedTerm(sum, Term(n, c), n.sign))
        return sum;
    return std::isfinite(n.addend) ? sum + n.addend : n.addend;
}

template <EvalNode::EvalFunction Term>
constexpr std::pair<EvalNode::EvalFunction, SumFunctions> SumsFor()
{
    return {Term, {SumOfOneTerm<Term>, SumOfTermAndConstant<Term>}};
}

}  // namespace

namespace {

template <EvalNode::EvalFunction Operand>
double SumOfSingleValue(const EvalNode& n, const EvalContext& c)
{
    double sum = 0.0;
    AddSignedTerm(sum, Single<Operand>(n, c), n.sign);
    return sum;
}

}  // namespace

EvalNode::EvalFunction SumOfSingle(EvalNode::EvalFunction operand)
{
    static constexpr std::pair<EvalNode::EvalFunction, EvalNode::EvalFunction> kSums[] = {
        {Call1, SumOfSingleValue<Call1>},
        {Call1OfVariable, SumOfSingleValue<Call1OfVariable>},
        {Call2, SumOfSingleValue<Call2>},
        {Call2WithConstant, SumOfSingleValue<Call2WithConstant>},
        {Call2OfVariableWithConstant, SumOfSingleValue<Call2OfVariableWithConstant>},
        {Abs, SumOfSingleValue<Abs>},
        {AbsOfVariable, SumOfSingleValue<AbsOfVariable>},
    };
    for (const auto& [function, sum] : kSums) {
        if (function == operand)
            return sum;
    }
    return nullptr;
}

namespace {

// The products that have their own functions: the number of values and the
// operators of the factors in order.
struct ProductShape {
    size_t values;
    const char* ops;
    std::pair<EvalNode::EvalFunction, SumFunctions> functions;
};

constexpr ProductShape kProducts[] = {
    {2, "**", SumsFor<ProductOf<2, '*', '*'>>()},
    {2, "*/", SumsFor<ProductOf<2, '*', '/'>>()},
    {3, "***", SumsFor<ProductOf<3, '*', '*', '*'>>()},
    {3, "**/", SumsFor<ProductOf<3, '*', '*', '/'>>()},
    {2, "***", SumsFor<ProductOf<2, '*', '*', '*'>>()},
    {2, "**/", SumsFor<ProductOf<2, '*', '*', '/'>>()},
    {2, "*/*", SumsFor<ProductOf<2, '*', '/', '*'>>()},
    {3, "****", SumsFor<ProductOf<3, '*', '*', '*', '*'>>()},
    {3, "***/", SumsFor<ProductOf<3, '*', '*', '*', '/'>>()},
};

}  // namespace

EvalNode::EvalFunction ProductTerm(size_t values, const std::vector<WalkItem>& walk)
{
    std::string ops;
    for (const WalkItem& item : walk)
        ops += item.op;
    for (const ProductShape& shape : kProducts) {
        if (shape.values == values && ops == shape.ops)
            return shape.functions.first;
    }
    return TermProduct;
}

SumFunctions SumsOf(EvalNode::EvalFunction term)
{
    for (const ProductShape& shape : kProducts) {
        if (shape.functions.first == term)
            return shape.functions.second;
    }
    static constexpr std::pair<EvalNode::EvalFunction, SumFunctions> kSums[] = {
        SumsFor<TermSingle>(),           SumsFor<TermScaled>(),
        SumsFor<TermPower>(),            SumsFor<TermScaledPower>(),
        SumsFor<TermSingleOfVariable>(), SumsFor<TermScaledOfVariable>(),
        SumsFor<TermPowerOfVariable>(),  SumsFor<TermScaledPowerOfVariable>(),
        SumsFor<TermOneValue>(),         SumsFor<TermOneValueOfVariable>(),
        SumsFor<TermOneSquare>(),        SumsFor<TermOneSquareOfVariable>(),
        SumsFor<TermEndedBeforeValue>(), SumsFor<TermProduct>(),
        SumsFor<TermWalk>(),             SumsFor<TermConstantPower>(),
        SumsFor<TermValuePower>(),       SumsFor<TermPowerValue>(),
        SumsFor<TermSquare>(),           SumsFor<TermCube>(),
        SumsFor<TermScaledSquare>(),     SumsFor<TermScaledCube>(),
        SumsFor<TermSquareOfVariable>(), SumsFor<TermCubeOfVariable>(),
        SumsFor<TermScaledSquareOfVariable>(), SumsFor<TermScaledCubeOfVariable>(),
    };
    for (const auto& [function, sums] : kSums) {
        if (function == term)
            return sums;
    }
    return {nullptr, nullptr};
}

}  // namespace EvalNodes
