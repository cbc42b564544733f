#include "expr/CExprTerm.h"

#include "expr/CExprException.h"
#include "expr/CFunctionGroup.h"
#include "expr/CFunctionList.h"
#include "expr/ExprText.h"

#include <cmath>

namespace {

bool IsOperator(char c) { return c == '*' || c == '/' || c == '^'; }

// End of a call's argument text: the ')' matching the '(' at open, or the
// end of the text.
size_t MatchingBracket(const std::string& text, size_t open)
{
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return text.size();
}

}  // namespace

const BuiltinFunction& PowerFunction()
{
    FunctionId id = 0;
    theFunctionList.FindId("pow", &id);
    return *theFunctionList.Resolve(id);
}

CExprTerm::CExprTerm(std::string termText, char termSign, bool evaluateNow)
    : text(std::move(termText)), sign(termSign)
{
    SplitFactors();
    usesArgument = ExprText::ContainsWord(text, CurrentArgumentName());
    if (!usesArgument || evaluateNow)
        ComputeValue();
}

// factor := number | name | name "(" args ")" | "(" expr ")" | "|" expr "|",
// joined by '*', '/', '^' or by nothing (implicit '*'); other characters are
// skipped.
void CExprTerm::SplitFactors()
{
    char op = '*';
    int depth = 0;
    bool inBars = false;
    size_t groupStart = 0;
    // A number, name or group that follows anything but an operator is
    // multiplied.
    auto implicitProduct = [&](size_t i) {
        if (i > 0 && !IsOperator(text[i - 1]))
            op = '*';
    };
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if ((depth != 0 && c != '(' && c != ')') || (inBars && c != '(' && c != ')' && c != '|')) {
            ++i;
            continue;
        }
        if (c == '(') {
            if (depth == 0 && !inBars) {
                groupStart = i + 1;
                implicitProduct(i);
            }
            ++depth;
            ++i;
        } else if (c == ')') {
            if (--depth == 0 && !inBars)
                AddFactor(groupStart, i, op, FK_BRACKETS);
            ++i;
        } else if (c == '|') {
            if (!inBars) {
                groupStart = i + 1;
                implicitProduct(i);
            } else {
                AddFactor(groupStart, i, op, FK_ABS);
            }
            inBars = !inBars;
            ++i;
        } else if (IsOperator(c)) {
            op = c;
            ++i;
        } else if (ExprText::IsDigit(c)) {
            implicitProduct(i);
            const size_t length = ExprText::NumberLength(text, i);
            AddFactor(i, i + length, op, FK_NUMBER);
            i += length;
        } else if (ExprText::IsLetter(c)) {
            implicitProduct(i);
            size_t end = i;
            while (end < text.size() && ExprText::IsLetter(text[end]))
                ++end;
            if (end < text.size() && text[end] == '(') {
                const size_t close = MatchingBracket(text, end);
                AddFactor(i, close, op, FK_CALL);
                end = close + 1;
            } else {
                AddFactor(i, end, op, FK_VARIABLE);
            }
            i = end;
        } else {
            ++i;
        }
    }
    // Unreachable for the balanced terms the expression hands over; kept so
    // that an open group still becomes a factor.
    if (depth > 0 || inBars)
        AddFactor(groupStart, text.size(), op, inBars && depth == 0 ? FK_ABS : FK_BRACKETS);
}

void CExprTerm::AddFactor(size_t begin, size_t end, char& op, FactorKind kind)
{
    try {
        factors.push_back(std::make_unique<CExprFactor>(text.substr(begin, end - begin), op, kind));
    } catch (CExprException& error) {
        error.AddOffset(begin);
        throw;
    }
    if (kind == FK_BRACKETS || kind == FK_ABS)
        op = '\0';
}

void CExprTerm::FoldConstants()
{
    FoldPowerChains();
    MergeConstantFactors();
}

void CExprTerm::FoldPowerChains()
{
    const BuiltinFunction* pow = nullptr;
    for (size_t i = 0; i + 1 < factors.size(); ++i) {
        // Only the base of a chain folds with its exponents, left to right.
        const bool chainBase = i == 0 || factors[i]->op != '^';
        while (chainBase && i + 1 < factors.size() && factors[i]->isConstant &&
               factors[i + 1]->op == '^' && factors[i + 1]->isConstant) {
            if (!pow)
                pow = &PowerFunction();
            const double folded = CallBuiltin(*pow, factors[i]->value, factors[i + 1]->value);
            // A chain that is not finite ends the term walk; it stays a chain.
            if (!std::isfinite(folded))
                break;
            factors[i] = std::make_unique<CExprFactor>(folded, factors[i]->op);
            factors.erase(factors.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }
}

bool CExprTerm::InPowerChain(size_t i) const
{
    return factors[i]->op == '^' || (i + 1 < factors.size() && factors[i + 1]->op == '^');
}

// Constants merge only within the stretches between power chains: a chain
// that is not finite ends the term walk, so no constant may move across one.
void CExprTerm::MergeConstantFactors()
{
    std::vector<std::unique_ptr<CExprFactor>> merged;
    size_t begin = 0;
    while (begin < factors.size()) {
        size_t end = begin;
        while (end < factors.size() && !InPowerChain(end))
            ++end;
        MergeConstantsBetween(begin, end, merged);
        for (begin = end; begin < factors.size() && InPowerChain(begin); ++begin)
            merged.push_back(std::move(factors[begin]));
    }
    factors = std::move(merged);
}

// The constant factors of factors[begin, end) become one '*' factor where the
// last of them stood, unless their product overflows where none of them is
// infinite or NaN (the walk might never have met that value).
void CExprTerm::MergeConstantsBetween(size_t begin, size_t end,
                                      std::vector<std::unique_ptr<CExprFactor>>& out)
{
    std::vector<WalkItem> constants;
    bool allFinite = true;
    size_t last = end;
    for (size_t i = begin; i < end; ++i) {
        if (factors[i]->isConstant) {
            constants.push_back({factors[i]->value, -1, factors[i]->op});
            allFinite = allFinite && std::isfinite(factors[i]->value);
            last = i;
        }
    }
    const double product =
        constants.empty() ? 0.0 : WalkFactors(constants.data(), constants.size(), nullptr, PowerFunction());
    const bool merge = !constants.empty() && (std::isfinite(product) || !allFinite);
    for (size_t i = begin; i < end; ++i) {
        if (merge && i == last)
            out.push_back(std::make_unique<CExprFactor>(product, '*'));
        else if (!merge || !factors[i]->isConstant)
            out.push_back(std::move(factors[i]));
    }
}

std::vector<WalkItem> CExprTerm::WalkItems() const
{
    std::vector<WalkItem> items;
    int slot = 0;
    for (const auto& f : factors)
        items.push_back({f->value, f->isConstant ? -1 : slot++, f->op});
    return items;
}

void CExprTerm::ComputeValue()
{
    // A term of nothing but operators and skipped characters adds nothing.
    if (factors.empty()) {
        value = 0.0;
        return;
    }
    const std::vector<WalkItem> items = WalkItems();
    value = TermValue(WalkFactors(items.data(), items.size(), nullptr, PowerFunction()));
}
