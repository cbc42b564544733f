#include "expr/CExpression.h"

#include "expr/CExprException.h"
#include "expr/CVariable.h"
#include "expr/ExprText.h"

#include <algorithm>
#include <cstdio>

namespace {

// An error's position in the prepared text, as a byte offset into the text
// the caller gave.
void MoveToSource(CExprException& error, const char* source)
{
    if (error.Position() < 0)
        return;
    const std::vector<size_t> offsets = ExprText::SourceOffsets(source);
    const size_t prepared = std::min(static_cast<size_t>(error.Position()), offsets.size() - 1);
    error.SetPosition(static_cast<int>(offsets[prepared]));
}

CExprException ErrorAt(size_t position, int code, const char* arg)
{
    CExprException error = ExprError(code, arg);
    error.SetPosition(static_cast<int>(position));
    return error;
}

}  // namespace

CExpression::CExpression(const char* source, bool now)
    : m_text(ExprText::Prepare(source ? source : "")), m_evaluateNow(now)
{
    try {
        SplitTerms();
    } catch (CExprException& error) {
        MoveToSource(error, source ? source : "");
        throw;
    }
    // Built now so that Evaluate never has to ask; Simplify builds again.
    m_program.Build(*this);
    if (m_evaluateNow) {
        m_result = 0.0;
        for (const auto& term : m_terms) {
            if (!AddSignedTerm(m_result, term->value, term->sign))
                break;
        }
    }
}

CExpression::~CExpression() = default;

void CExpression::Evaluate()
{
    EvalContext context;
    if (const CVariable* argument = m_program.Argument()) {
        context.argument = argument->value;
        context.argumentUnavailable = !argument->available;
    }
    m_result = m_program.Run(context);
}

// expression := ["+"|"-"] term { ("+"|"-") term }, split only outside
// brackets and bars; a run of signs acts as its last sign.
void CExpression::SplitTerms()
{
    int depth = 0;
    bool inBars = false;
    char sign = '+';
    size_t start = 0;
    size_t outerBracket = 0;  // where the outermost open bracket opened
    size_t openBar = 0;
    for (size_t i = 0; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (c == '(') {
            if (depth++ == 0)
                outerBracket = i;
        } else if (c == ')') {
            if (--depth < 0) {
                char where[48];
                std::snprintf(where, sizeof where, "')' at position %zu", i + 1);
                throw ErrorAt(i, 1002, where);
            }
        } else if (c == '|' && depth == 0) {
            inBars = !inBars;
            openBar = i;
        } else if ((c == '+' || c == '-') && depth == 0 && !inBars) {
            AddTerm(start, i, sign);
            sign = c;
            start = i + 1;
        }
    }
    if (depth > 0)
        throw ErrorAt(outerBracket, 1004, ")");
    if (inBars)
        throw ErrorAt(openBar, 1004, "|");
    AddTerm(start, m_text.size(), sign);
}

void CExpression::AddTerm(size_t begin, size_t end, char sign)
{
    if (end <= begin)
        return;
    try {
        m_terms.push_back(std::make_unique<CExprTerm>(m_text.substr(begin, end - begin), sign, m_evaluateNow));
    } catch (CExprException& error) {
        error.AddOffset(begin);
        throw;
    }
}

void CExpression::Simplify()
{
    for (const auto& term : m_terms) {
        if (term->usesArgument)
            term->FoldConstants();
    }
    MergeConstantTerms();
    m_program.Build(*this);
}

// All terms that do not use the argument become one term, with their signed
// sum as its value, where the last of them stood.
void CExpression::MergeConstantTerms()
{
    double sum = 0.0;
    size_t count = 0;
    size_t last = 0;
    for (size_t i = 0; i < m_terms.size(); ++i) {
        if (!m_terms[i]->usesArgument) {
            sum = m_terms[i]->sign == '-' ? sum - m_terms[i]->value : sum + m_terms[i]->value;
            ++count;
            last = i;
        }
    }
    if (count == 0)
        return;
    const CExprTerm* merged = m_terms[last].get();
    m_terms[last]->value = sum;
    m_terms[last]->sign = '+';
    std::erase_if(m_terms, [merged](const std::unique_ptr<CExprTerm>& term) {
        return !term->usesArgument && term.get() != merged;
    });
}
