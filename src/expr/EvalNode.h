#pragma once

#include "expr/EvalContext.h"
#include "expr/TermWalk.h"

#include <vector>

struct BuiltinFunction;
struct CVariable;

// One node of a compiled expression's evaluation tree. Each node computes
// its value with its own small function: the shapes that formulas use most
// (a variable, c*x, x^2, x+1, ...) have functions of their own, so that an
// evaluation makes few calls, touches no text and allocates nothing. The
// nodes are never written while evaluating: the argument comes from the
// evaluation context.
struct EvalNode {
    using EvalFunction = double (*)(const EvalNode&, const EvalContext&);

    double Value(const EvalContext& c) const { return eval(*this, c); }

    EvalFunction eval = nullptr;
    char sign = '+';        // a term's sign in its sum
    char valueOp = '*';     // how a one-value term joins its value
    bool powered = false;   // a one-value term raises its value to exponent
    const CVariable* variable = nullptr;       // the argument variable, named by errors
    const BuiltinFunction* function = nullptr;  // a call's function; pow for '^'
    const EvalNode* a = nullptr;                // the operand, or a call's first argument
    const EvalNode* b = nullptr;                // a call's second argument
    double constant = 0.0;                      // a constant value or factor
    double exponent = 0.0;
    double addend = 0.0;                        // the signed constant term after a term
    std::vector<const EvalNode*> children;      // a sum's terms; a general term's values
    std::vector<WalkItem> walk;                 // a general term's factors; the
                                                // constants after a one-value term's value
};

// The most values a general term has: every value contains the argument's
// name and is separated from the next by at least one character, in a text
// of at most MAX_EXPR_TEXT characters.
inline constexpr size_t kMaxTermValues = 128;

// The evaluation functions, by what a node is.
namespace EvalNodes {

// Values of factors and sums.
double Constant(const EvalNode& n, const EvalContext& c);
double Variable(const EvalNode& n, const EvalContext& c);
double SumOfVariable(const EvalNode& n, const EvalContext& c);  // a sum that is just the variable
double Sum(const EvalNode& n, const EvalContext& c);  // children: the terms
double SumOfTwo(const EvalNode& n, const EvalContext& c);  // the same for 2, 3 and 4 terms, unrolled
double SumOfThree(const EvalNode& n, const EvalContext& c);
double SumOfFour(const EvalNode& n, const EvalContext& c);
double Call1(const EvalNode& n, const EvalContext& c);
double Call1OfVariable(const EvalNode& n, const EvalContext& c);  // f(x)
double Call2(const EvalNode& n, const EvalContext& c);
double Call2WithConstant(const EvalNode& n, const EvalContext& c);  // f(a, constant)
double Call2OfVariableWithConstant(const EvalNode& n, const EvalContext& c);  // f(x, constant)
double Abs(const EvalNode& n, const EvalContext& c);
double AbsOfVariable(const EvalNode& n, const EvalContext& c);  // |x|

// Values of terms (without their sign). The operand v is the variable when
// the node has one, else the value of a.
double TermSingle(const EvalNode& n, const EvalContext& c);  // v
double TermScaled(const EvalNode& n, const EvalContext& c);  // constant * v, in either order
double TermPower(const EvalNode& n, const EvalContext& c);  // v ^ exponent
double TermScaledPower(const EvalNode& n, const EvalContext& c);  // constant * v ^ exponent
double TermSingleOfVariable(const EvalNode& n, const EvalContext& c);
double TermScaledOfVariable(const EvalNode& n, const EvalContext& c);
double TermPowerOfVariable(const EvalNode& n, const EvalContext& c);
double TermScaledPowerOfVariable(const EvalNode& n, const EvalContext& c);
// The same with the exponent 2 or 3 (x^2, 2x^3, sin(x)^2).
double TermSquare(const EvalNode& n, const EvalContext& c);
double TermCube(const EvalNode& n, const EvalContext& c);
double TermScaledSquare(const EvalNode& n, const EvalContext& c);
double TermScaledCube(const EvalNode& n, const EvalContext& c);
double TermSquareOfVariable(const EvalNode& n, const EvalContext& c);
double TermCubeOfVariable(const EvalNode& n, const EvalContext& c);
double TermScaledSquareOfVariable(const EvalNode& n, const EvalContext& c);
double TermScaledCubeOfVariable(const EvalNode& n, const EvalContext& c);
// A term of one value between constants: the constants before it are
// joined into constant already, the value may carry a constant exponent, and
// the constants after it follow in walk (x^2/40, 1/(1+x^2), 3*x/4).
double TermOneValue(const EvalNode& n, const EvalContext& c);
double TermOneValueOfVariable(const EvalNode& n, const EvalContext& c);
double TermOneSquare(const EvalNode& n, const EvalContext& c);  // the same with the exponent 2 (x^2/40)
double TermOneSquareOfVariable(const EvalNode& n, const EvalContext& c);
double TermEndedBeforeValue(const EvalNode& n, const EvalContext& c);  // the constants before it end the walk
double TermProduct(const EvalNode& n, const EvalContext& c);  // factors joined by '*' and '/' only
double TermConstantPower(const EvalNode& n, const EvalContext& c);  // constant ^ value: e^(-x*x)
double TermValuePower(const EvalNode& n, const EvalContext& c);  // a * b ^ constant: sin(x)*x^2
double TermPowerValue(const EvalNode& n, const EvalContext& c);  // a ^ constant * b: x^2*sin(x)
double TermWalk(const EvalNode& n, const EvalContext& c);  // any other term

// A sum of one term, and of one term followed by a constant term (x+1), as
// one node: the node carries the term's own fields and its function.
struct SumFunctions {
    EvalNode::EvalFunction ofOneTerm;
    EvalNode::EvalFunction ofTermAndConstant;
};
SumFunctions SumsOf(EvalNode::EvalFunction term);

// The function for a term of factors joined by '*' and '/' only, by its
// number of values and its walk: unrolled for the common forms (f(x)*g(x),
// (x+1)(x-1)/(x^2+1), x*x/50), else TermProduct.
EvalNode::EvalFunction ProductTerm(size_t values, const std::vector<WalkItem>& walk);

// A sum of one term that is one call or bar pair (sin(x), |x|) as one node:
// the node carries the operand's fields and this function. Null for the
// operands that have none.
EvalNode::EvalFunction SumOfSingle(EvalNode::EvalFunction operand);

}  // namespace EvalNodes
