#pragma once

#include "expr/CExprFactor.h"
#include "expr/TermWalk.h"

#include <memory>
#include <string>
#include <vector>

struct BuiltinFunction;

// One signed term of an expression: a chain of factors joined by '*', '/'
// and '^'. A term that does not use the argument variable is computed once,
// when it is built.
class CExprTerm {
public:
    CExprTerm(std::string text, char sign, bool evaluateNow);

    // Folds what does not depend on the argument: power chains with constant
    // base and exponent, then the constant factors joined by '*' or '/' into
    // one factor where the last of them stood.
    void FoldConstants();

    // The factors as the term walk sees them; non-constant factors take
    // consecutive slots from 0, in order.
    std::vector<WalkItem> WalkItems() const;

    std::string text;
    double value = 0.0;  // without the sign
    bool usesArgument;
    std::vector<std::unique_ptr<CExprFactor>> factors;
    char sign;

private:
    void SplitFactors();
    void AddFactor(size_t begin, size_t end, char& op, FactorKind kind);
    void FoldPowerChains();
    void MergeConstantFactors();
    bool InPowerChain(size_t i) const;
    void MergeConstantsBetween(size_t begin, size_t end, std::vector<std::unique_ptr<CExprFactor>>& out);
    void ComputeValue();
};

// The built-in pow that the '^' operator uses.
const BuiltinFunction& PowerFunction();
