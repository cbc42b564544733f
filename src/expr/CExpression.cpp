#include "CExpression.h"

#include "CExprException.h"
#include "ExprText.h"

#include <cstdio>

CExpression::CExpression(const char* source, bool now)
    : text(ExprText::Prepare(source ? source : "")), evaluateNow(now)
{
    SplitTerms();
    // Built now so that Evaluate never has to ask; Simplify builds again.
    program.Build(*this);
    if (evaluateNow) {
        result = 0.0;
        for (const auto& term : terms) {
            if (!AddSignedTerm(result, term->value, term->sign))
                break;
        }
    }
}

CExpression::~CExpression() = default;

// expression := ["+"|"-"] term { ("+"|"-") term }, split only outside
// brackets and bars; a run of signs acts as its last sign.
void CExpression::SplitTerms()
{
    int depth = 0;
    bool inBars = false;
    char sign = '+';
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth < 0) {
                char where[48];
                std::snprintf(where, sizeof where, "')' at position %zu", i + 1);
                throw ExprError(1002, where);
            }
        } else if (c == '|' && depth == 0) {
            inBars = !inBars;
        } else if ((c == '+' || c == '-') && depth == 0 && !inBars) {
            AddTerm(start, i, sign);
            sign = c;
            start = i + 1;
        }
    }
    if (depth > 0)
        throw ExprError(1004, ")");
    if (inBars)
        throw ExprError(1004, "|");
    AddTerm(start, text.size(), sign);
}

void CExpression::AddTerm(size_t begin, size_t end, char sign)
{
    if (end > begin)
        terms.push_back(std::make_unique<CExprTerm>(text.substr(begin, end - begin), sign, evaluateNow));
}

void CExpression::Simplify()
{
    for (const auto& term : terms) {
        if (term->usesArgument)
            term->FoldConstants();
    }
    MergeConstantTerms();
    program.Build(*this);
}

// All terms that do not use the argument become one term, with their signed
// sum as its value, where the last of them stood.
void CExpression::MergeConstantTerms()
{
    double sum = 0.0;
    size_t count = 0;
    size_t last = 0;
    for (size_t i = 0; i < terms.size(); ++i) {
        if (!terms[i]->usesArgument) {
            sum = terms[i]->sign == '-' ? sum - terms[i]->value : sum + terms[i]->value;
            ++count;
            last = i;
        }
    }
    if (count == 0)
        return;
    const CExprTerm* merged = terms[last].get();
    terms[last]->value = sum;
    terms[last]->sign = '+';
    std::erase_if(terms, [merged](const std::unique_ptr<CExprTerm>& term) {
        return !term->usesArgument && term.get() != merged;
    });
}
