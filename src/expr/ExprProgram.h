#pragma once

#include "expr/EvalNode.h"

#include <memory>
#include <vector>

class CExpression;
class CExprFactor;
class CExprTerm;

// A simplified expression compiled into a tree of evaluation nodes. The
// nodes keep the exact rules of the expression tree (every factor of a term
// is computed before the term walk combines them; a sum stops at its first
// term that is not finite) without its text, lists and lookups.
class ExprProgram {
public:
    void Build(const CExpression& expression);
    // The expression's value for the context's argument. Writes nothing:
    // threads may run one program at the same time.
    double Run(const EvalContext& context) const { return m_root->Value(context); }
    // The variable the program reads as its argument; null when it was
    // compiled without a current variable.
    const CVariable* Argument() const { return m_argument; }

private:
    const EvalNode* LowerSum(const CExpression& expression);
    EvalNode* LowerTerm(const CExprTerm& term);
    const EvalNode* LowerFactor(const CExprFactor& factor);
    const EvalNode* LowerCall(const CExprFactor& factor);
    void LowerGeneralTerm(const CExprTerm& term, EvalNode& node);
    static void AbsorbOperand(EvalNode& node);
    EvalNode* NewNode(EvalNode::EvalFunction eval);

    std::vector<std::unique_ptr<EvalNode>> m_nodes;
    const EvalNode* m_root = nullptr;
    const BuiltinFunction* m_pow = nullptr;
    const CVariable* m_argument = nullptr;
};
