#pragma once

#include "expr/CFunctionGroup.h"
#include "expr/ExprConstants.h"

#include <cmath>
#include <cstddef>

// One factor of a term as the term walk sees it: how it joins the factors
// before it ('*', '/' or '^') and where its value is: a constant, or a slot
// of the values computed for this evaluation.
struct WalkItem {
    double constant;
    int slot;  // < 0: the value is the constant
    char op;
};


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

namespace TermWalkDetail {

inline double ValueOf(const WalkItem& item, const double* values)
{
    return item.slot < 0 ? item.constant : values[item.slot];
}

// Joins one value to the product by op. Returns false when the walk ends
// (the product is then EXPR_FALSE). A divisor equal to EXPR_FALSE counts as 0.
inline bool Join(double& product, double value, char op)
{
    if (op == '*') {
        if (value == EXPR_FALSE) {
            product = EXPR_FALSE;
            return false;
        }
        if (product != EXPR_FALSE)
            product *= value;
        return true;
    }
    if (op == '/') {
        if (product == EXPR_FALSE) {
            if (value != EXPR_FALSE)
                return false;
            product = product / 0.0;
            return true;
        }
        product = value == EXPR_FALSE ? product / 0.0 : product / value;
    }
    // A '^' that starts a term joins nothing.
    return true;
}

}  // namespace TermWalkDetail

// Combines the factors of one term left to right. EXPR_FALSE acts as an
// exact zero that ends the walk; a power chain (factors joined by '^') is
// computed with pow first, and a chain that is not finite ends the walk with
// its value. Returns the raw product, which may be EXPR_FALSE itself.
inline double WalkFactors(const WalkItem* items, size_t count, const double* values,
                          const BuiltinFunction& pow)
{
    using namespace TermWalkDetail;
    constexpr double F = EXPR_FALSE;
    double product = 1.0;
    size_t i = 0;
    while (i < count) {
        const WalkItem& factor = items[i++];
        double value = ValueOf(factor, values);
        if (i < count && items[i].op == '^') {
            value = CallBuiltin(pow, value, ValueOf(items[i++], values));
            if (!std::isfinite(value))
                return value;
            while (i < count && items[i].op == '^')
                value = CallBuiltin(pow, value, ValueOf(items[i++], values));
            // A chain joins by its base's operator, where EXPR_FALSE on
            // either side ends the walk.
            if (factor.op == '*' && product == F)
                return F;
        }
        if (!Join(product, value, factor.op))
            return product;
    }
    return product;
}
