#pragma once
// The evaluator's table rows: a text, the argument x and the expected
// result. The evaluator and parser tests check the results; the
// differential test evaluates every row both ways.

#include "EngineFixture.h"

#include <cmath>

struct ValueRow {
    const char* text;
    double x;
    double expected;
};

struct ErrorRow {
    const char* text;
    const char* arg;  // the argument variable
    int code;
    const char* argument;
    double value = 0;  // where evaluation fails
};

namespace EvaluatorRows {

inline constexpr double E = 2.718281828;
inline constexpr double PI = 3.141592653589793;

// A sum stops at its first term that is not finite; that term's value with
// its sign is the result, and later terms are not computed.
inline const ValueRow kStopRows[] = {
    {"1/0", 0, kInf}, {"0/0", 0, kNaN}, {"ln(0)", 0, -kInf}, {"-ln(x)", 0, kInf}, {"2-1/x", 0, -kInf},
    {"1/x-1/x", 0, kInf}, {"-1/x+1/x", 0, -kInf}, {"x-x", kInf, kInf}, {"-x+x", kInf, -kInf},
    {"-(0/0)+x", 1, kNaN}, {"tg(x)+1", 3.141592653589793 / 2, kNaN}, {"x-1/0", 1, -kInf},
    {"x*(-1/0)", 2, -kInf}, {"(-1/x)*2", 0, -kInf}, {"ln(0)+1/x", 0, -kInf}, {"ln(x)+sin(x,1)", 0, -kInf},
    {"-1/x", 2, -0.5}, {"x-2-3", 1, -4}, {"5-x+2-3", 1, 3},
};

// EXPR_FALSE annihilates its whole term, counts as 0 as a divisor and never
// leaves a term; a power chain that is not finite ends the term first.
inline const ValueRow kFalseRows[] = {
    {"less(x,0)+1", 1, 1}, {"-less(x,0)", 1, 0}, {"less(x,0)*1/0", 1, 0}, {"1/less(x,0)", 1, kInf},
    {"x/less(x,0)", 1, kInf}, {"x/less(x,0)", -3, -3}, {"less(x,0)/less(x,0)", 1, 0},
    {"less(x,0)/less(x,0)", -1, 1}, {"x*2*less(1,0)", kInf, 0}, {"x*2*less(1,0)", kNaN, 0},
    {"x*(0/0)*less(1,0)", 1, 0}, {"x*less(1,0)/less(1,0)", 1, 0}, {"2/x*less(1,0)", 1, 0},
    {"x/2/less(1,0)", -2, -kInf}, {"less(x,0)*2^x", 1, 0}, {"2^x*less(x,0)", 1, 0},
    {"less(x,0)^2", 1, std::pow(F, 2.0)}, {"1/less(x,0)^1", 1, kInf}, {"x^x*less(1,0)", 1000, kInf},
    {"x^x*less(1,0)", 2, 0}, {"(0-x)^0.5*less(1,0)", 1, kNaN}, {"greater(x,0)*x+less(x,0)*x^2", -3, 9},
    {"-x^2*less(1,0)", 1e200, -kInf}, {"less(1,0)*x^2", 1e200, 0}, {"less(1,0)*x^x*2", 1000, 0},
    {"10^400*less(x,0)", 1, kInf}, {"x/e^1000", 1, kInf}, {"1e300*x*1e300", 1e-300, 1e300},
    {"1e300*x*1e300", 1, kInf}, {"less(1,0)/x^2", 1, 0}, {"3/x^2/less(1,0)", 1, kInf},
    {"2*less(1,0)/x^0.5*4", -1, 0}, {"x*x/less(x,0)", 2, kInf}, {"x*x/less(x,0)*2", -3, 18},
    {"x/less(x,0)*2", -3, -6}, {"x^2*less(x,0)", 2, 0}, {"x^2*less(x,0)", 1e200, kInf},
    {"less(x,0)*x^3", 1e200, 0},
};

// "^" is the built-in pow with its special cases; chains are
// left-associative and join the term by their base's operator.
inline const ValueRow kPowerRows[] = {
    {"0^0", 0, 1}, {"x^(0-1)", 0, 0}, {"x^1", -8, -8}, {"x^(1/3)", -8, kNaN}, {"(x-1)^(0-1)", 3, 0.5},
    {"x^2^3", 2, 64}, {"2^x^2", 3, 64}, {"2^3^x", 2, 64}, {"x/2^3", 8, 1}, {"x*2^3^2", 1, 64},
    {"x/2^x", 3, 0.375}, {"2^3*x/4^0.5", 1, 4}, {"e^(0-x*x/50)", 5, std::pow(2.718281828, -0.5)},
    {"x^3", 0, 0}, {"2x^3", -3, -54}, {"-x^3", 1e200, -kInf}, {"x^2/40-10", -3, -9.775},
    {"(x+1)(x+2)(x+3)/4", 0, 1.5}, {"(x+1)(x-1)/(x^2+1)", 1e200, kNaN},
    // A power chain that is not finite is its term's value, whatever the
    // factors around it: one of each shape that has a node of its own.
    {"0x^2", 1e200, kInf}, {"(0-2)x^3", 1e200, kInf}, {"0x^2.5", 1e200, kInf}, {"0*x^2/40", 1e200, kInf},
    {"(0-|x|)x^2", 1e200, kInf}, {"x^2*(0-|x|)", 1e200, kInf}, {"0*x^x", 1000, kInf},
    {"0*sin(x)^2*x^3", 1e200, kInf},
};

// How text splits into signed terms and factors, and how numbers, names,
// bars and unknown characters read.
inline const ValueRow kParseRows[] = {
    // A sign always starts a term: a run acts as its last sign, a sign
    // after an operator starts a new term, a sign never joins a number.
    {"x--3", 5, 2}, {"--x", 5, -5}, {"x*-3", 5, 2}, {"2^-1", 0, 1}, {"-x^2", 3, -9}, {"1e-5", 0, E - 5},
    // Implicit multiplication after anything but "*", "/" and "^".
    {"2x^2", 3, 18}, {"2sin(x)", 1, 2 * std::sin(1.0)}, {"(x+1)(x-1)", 3, 8},
    {"sin(x)cos(x)", 1, std::sin(1.0) * std::cos(1.0)}, {"|x|2", -3, 6}, {"x|x|", -2, -4}, {"x2", 3, 6},
    // Numbers: no sign, no hexadecimal form; unknown characters are skipped.
    {".5", 0, 5}, {"2,5", 0, 10}, {"2_3", 0, 6}, {"1e3", 0, 1000}, {"2e", 0, 2 * E},
    {"1.2.3", 0, 1.2 * 3}, {"2.5e1x", 2, 50}, {"0x1", 7, 0}, {"1e400", 0, kInf},
    // Bars group and take the absolute value; they do not nest.
    {"|x-5|", 2, 3}, {"||x||", 3, 0}, {"|(x-|x|)|", -2, 4}, {"2()", 0, 0}, {"", 0, 0},
    // "*" and "/" left to right; a term may start with "/" or "^".
    {"x/2*3", 2, 3}, {"x*", 4, 4}, {"^5", 0, 1}, {"/2", 0, 0.5},
    // Only the last comma outside brackets splits the arguments.
    {"pow(1,2,3)", 0, 8}, {"pow((1,2),3)", 0, 8}, {"pow(x,(1,2))", 3, 9},
    // Case and white space do not matter.
    {"SIN( X )\t+ PI", 1, std::sin(1.0) + PI}, {" 2 x\n", 3, 6},
};
// Calls that contain the argument compile cleanly and fail at their first
// computation; factors after an annihilating false are still computed.
inline const ErrorRow kDeferredErrorRows[] = {
    {"sin(x,1)", "x", 1017, "sin(x)", 1}, {"pow(x)", "x", 1016, "pow(x, y)", 1},
    {"2*(1+equal(x))", "x", 1016, "equal(a, b)", 1}, {"root(x,2.5)", "x", 1020, "", 4},
    {"root(2,x)", "x", 1020, "", 2.5}, {"less(x,0)*sin(x,1)", "x", 1017, "sin(x)", 1},
    {"sqrt(t,1)", "t", 1017, "sqrt(x)", 1},
};

}  // namespace EvaluatorRows
