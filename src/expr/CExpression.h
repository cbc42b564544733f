#pragma once

#include "expr/CExprTerm.h"
#include "expr/ExprProgram.h"

#include <memory>
#include <string>
#include <vector>

// A compiled expression: the signed terms of a sum. Compiled from text for
// the current argument variable of theVariables, simplified once, then
// evaluated for any number of argument values.
//
// Callers hold the computation lock (theVariables.Lock()) while compiling
// and while they use Evaluate, which reads the variable table. Value reads
// nothing shared: once compiled, an expression may be evaluated by any
// number of threads at once without the lock, each with its own context.
// Errors are thrown as CExprException.
class CExpression {
public:
    // Compiles text (at most 255 characters are taken). With evaluateNow
    // every term is computed at once and the result is their sum; that form
    // serves texts that do not contain the argument variable.
    CExpression(const char* text, bool evaluateNow);
    ~CExpression();
    CExpression(const CExpression&) = delete;
    CExpression& operator=(const CExpression&) = delete;

    // Folds, once, the parts that do not depend on the argument variable,
    // then prepares evaluation. After it Evaluate allocates nothing.
    void Simplify();
    // Computes the result for the current value of the argument variable;
    // 1019 when the argument is read while the variable is unavailable.
    void Evaluate();
    // The result for the context's argument, the same as Evaluate gives for
    // that value. Changes nothing.
    double Value(const EvalContext& context) const { return m_program.Run(context); }
    double GetResult(double* out) const
    {
        if (out)
            *out = m_result;
        return m_result;
    }

    const std::string& Text() const { return m_text; }
    const std::vector<std::unique_ptr<CExprTerm>>& Terms() const { return m_terms; }

private:
    void SplitTerms();
    void AddTerm(size_t begin, size_t end, char sign);
    void MergeConstantTerms();

    std::string m_text;
    std::vector<std::unique_ptr<CExprTerm>> m_terms;
    double m_result = 0.0;
    bool m_evaluateNow;
    ExprProgram m_program;
};
