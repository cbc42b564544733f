#pragma once

#include "TermWalk.h"

#include <vector>

struct BuiltinFunction;
struct CVariable;

// One node of a compiled expression's evaluation tree. Each node computes
// its value with its own small function: the shapes that formulas use most
// (a variable, c*x, x^2, x+1, ...) have functions of their own, so that an
// evaluation makes few calls, touches no text and allocates nothing.
struct EvalNode {
    using EvalFunction = double (*)(const EvalNode&);

    double Value() const { return eval(*this); }

    EvalFunction eval = nullptr;
    char sign = '+';        // a term's sign in its sum
    char valueOp = '*';     // how a one-value term joins its value
    bool powered = false;   // a one-value term raises its value to exponent
    const CVariable* variable = nullptr;
    const BuiltinFunction* function = nullptr;  // a call's function; pow for '^'
    const EvalNode* a = nullptr;                // the operand, or a call's first argument
    const EvalNode* b = nullptr;                // a call's second argument
    double constant = 0.0;                      // a constant value or factor
    double exponent = 0.0;
    double addend = 0.0;                        // the signed constant term after a term
    std::vector<const EvalNode*> children;      // a sum's terms; a general term's values
    std::vector<WalkItem> walk;                 // a general term's factors; the
                                                // constants after a one-value term's value
    mutable std::vector<double> values;         // a general term's children's values
};

// The evaluation functions, by what a node is.
namespace EvalNodes {

// Values of factors and sums.
double Constant(const EvalNode& n);
double Variable(const EvalNode& n);
double SumOfVariable(const EvalNode& n);      // a sum that is just the variable
double Sum(const EvalNode& n);                // children: the terms
double SumOfTwo(const EvalNode& n);           // the same for 2, 3 and 4 terms, unrolled
double SumOfThree(const EvalNode& n);
double SumOfFour(const EvalNode& n);
double Call1(const EvalNode& n);
double Call1OfVariable(const EvalNode& n);    // f(x)
double Call2(const EvalNode& n);
double Call2WithConstant(const EvalNode& n);  // f(a, constant)
double Call2OfVariableWithConstant(const EvalNode& n);  // f(x, constant)
double Abs(const EvalNode& n);
double AbsOfVariable(const EvalNode& n);      // |x|

// Values of terms (without their sign). The operand v is the variable when
// the node has one, else the value of a.
double TermSingle(const EvalNode& n);          // v
double TermScaled(const EvalNode& n);          // constant * v, in either order
double TermPower(const EvalNode& n);           // v ^ exponent
double TermScaledPower(const EvalNode& n);     // constant * v ^ exponent
double TermSingleOfVariable(const EvalNode& n);
double TermScaledOfVariable(const EvalNode& n);
double TermPowerOfVariable(const EvalNode& n);
double TermScaledPowerOfVariable(const EvalNode& n);
// The same with the exponent 2 or 3 (x^2, 2x^3, sin(x)^2).
double TermSquare(const EvalNode& n);
double TermCube(const EvalNode& n);
double TermScaledSquare(const EvalNode& n);
double TermScaledCube(const EvalNode& n);
double TermSquareOfVariable(const EvalNode& n);
double TermCubeOfVariable(const EvalNode& n);
double TermScaledSquareOfVariable(const EvalNode& n);
double TermScaledCubeOfVariable(const EvalNode& n);
// A term of one value between constants: the constants before it are
// joined into constant already, the value may carry a constant exponent, and
// the constants after it follow in walk (x^2/40, 1/(1+x^2), 3*x/4).
double TermOneValue(const EvalNode& n);
double TermOneValueOfVariable(const EvalNode& n);
double TermOneSquare(const EvalNode& n);       // the same with the exponent 2 (x^2/40)
double TermOneSquareOfVariable(const EvalNode& n);
double TermEndedBeforeValue(const EvalNode& n);  // the constants before it end the walk
double TermProduct(const EvalNode& n);         // factors joined by '*' and '/' only
double TermConstantPower(const EvalNode& n);   // constant ^ value: e^(-x*x)
double TermValuePower(const EvalNode& n);      // a * b ^ constant: sin(x)*x^2
double TermPowerValue(const EvalNode& n);      // a ^ constant * b: x^2*sin(x)
double TermWalk(const EvalNode& n);            // any other term

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
