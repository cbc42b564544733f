#pragma once

#include "ExprConstants.h"

#include <cmath>
#include <cstddef>

struct BuiltinFunction;

// One factor of a term as the term walk sees it: how it joins the factors
// before it ('*', '/' or '^') and where its value is: a constant, or a slot
// of the values computed for this evaluation.
struct WalkItem {
    double constant;
    int slot;  // < 0: the value is the constant
    char op;
};

// Combines the factors of one term left to right. EXPR_FALSE acts as an
// exact zero that ends the walk; a power chain (factors joined by '^') is
// computed with pow first, and a chain that is not finite ends the walk with
// its value. Returns the raw product, which may be EXPR_FALSE itself.
double WalkFactors(const WalkItem* items, size_t count, const double* slots,
                   const BuiltinFunction& pow);

// A term's value: EXPR_FALSE never leaves a term.
inline double TermValue(double product)
{
    return product == EXPR_FALSE ? 0.0 : product;
}

// Adds a signed term's value to a running sum. A value that is not finite
// ends the sum: it becomes the sum with the term's sign applied, and the
// function returns false.
inline bool AddSignedTerm(double& sum, double value, char sign)
{
    if (!std::isfinite(value)) {
        sum = sign == '-' ? -value : value;
        return false;
    }
    sum = sign == '-' ? sum - value : sum + value;
    return true;
}
