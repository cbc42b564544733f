#include "TermWalk.h"

#include "CFunctionGroup.h"

namespace {

constexpr double F = EXPR_FALSE;

double ValueOf(const WalkItem& item, const double* slots)
{
    return item.slot < 0 ? item.constant : slots[item.slot];
}

// Joins one value to the product by op. Returns false when the walk ends
// (the product is then EXPR_FALSE). A divisor equal to EXPR_FALSE counts as 0.
bool Join(double& product, double value, char op)
{
    if (op == '*') {
        if (value == F) {
            product = F;
            return false;
        }
        if (product != F)
            product *= value;
        return true;
    }
    if (op == '/') {
        if (product == F) {
            if (value != F)
                return false;
            product = product / 0.0;
            return true;
        }
        product = value == F ? product / 0.0 : product / value;
    }
    // A '^' that starts a term joins nothing.
    return true;
}

}  // namespace

double WalkFactors(const WalkItem* items, size_t count, const double* slots,
                   const BuiltinFunction& pow)
{
    double product = 1.0;
    size_t i = 0;
    while (i < count) {
        const WalkItem& factor = items[i++];
        double value = ValueOf(factor, slots);
        if (i < count && items[i].op == '^') {
            value = CallBuiltin(pow, value, ValueOf(items[i++], slots));
            if (!std::isfinite(value))
                return value;
            while (i < count && items[i].op == '^')
                value = CallBuiltin(pow, value, ValueOf(items[i++], slots));
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
