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
    : text(ExprText::Prepare(source ? source : "")), evaluateNow(now)
{
    try {
        SplitTerms();
    } catch (CExprException& error) {
        MoveToSource(error, source ? source : "");
        throw;
    }
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

void CExpression::Evaluate()
{
    EvalContext context;
    if (const CVariable* argument = program.Argument()) {
        context.argument = argument->value;
        context.argumentUnavailable = !argument->available;
    }
    result = program.Run(context);
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
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
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
    AddTerm(start, text.size(), sign);
}

void CExpression::AddTerm(size_t begin, size_t end, char sign)
{
    if (end <= begin)
        return;
    try {
        terms.push_back(std::make_unique<CExprTerm>(text.substr(begin, end - begin), sign, evaluateNow));
    } catch (CExprException& error) {
        error.AddOffset(begin);
        throw;
    }
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
