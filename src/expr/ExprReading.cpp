#include "expr/ExprReading.h"

#include "expr/CExprFactor.h"
#include "expr/CExprTerm.h"
#include "expr/CExpression.h"
#include "expr/CFunctionGroup.h"

#include <charconv>
#include <cmath>

namespace ExprReading {
namespace {

std::string ReadText(const std::string& text);

// The shortest digits that give the number's value back. Exponents carry
// no sign in the engine's language, so small numbers are written in full.
std::string NumberText(const CExprFactor& number)
{
    // An overflow reads back only from digits that overflow again.
    if (!std::isfinite(number.value))
        return number.text;
    char digits[512];
    const auto format = number.value >= 1e21 ? std::chars_format::scientific : std::chars_format::fixed;
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number.value, format);
    (void)ec;
    std::string text(digits, end);
    if (const size_t plus = text.find('+'); plus != std::string::npos)
        text.erase(plus, 1);
    return text;
}

std::string Group(const std::string& inside, const char* open, const char* close)
{
    return inside.empty() ? "0" : open + ReadText(inside) + close;
}

std::string Call(const CExprFactor& call)
{
    const CallText parts = SplitCallText(call.text);
    std::string text = std::string(call.function->name) + "(" + ReadText(parts.first);
    if (parts.twoArguments)
        text += "," + ReadText(parts.second);
    return text + ")";
}

std::string Factor(const CExprFactor& factor)
{
    switch (factor.kind) {
    case FK_NUMBER:
        return NumberText(factor);
    case FK_VARIABLE:
        return factor.text;
    case FK_BRACKETS:
        return Group(factor.text, "(", ")");
    case FK_ABS:
        return Group(factor.text, "|", "|");
    case FK_CALL:
        return Call(factor);
    }
    return {};
}

// The term as the term walk computes it: each power chain from its base,
// left-associative; the chain joins the product by its base's operator. A
// chain whose base has no '*' or '/' (a term that starts with '^') joins
// nothing; when it holds the argument it is written as ARG^0, which is 1 as
// well, so that the term keeps depending on the argument as the engine
// sees it. A leading '/' divides 1.
std::string Term(const CExprTerm& term)
{
    const auto& factors = term.factors;
    if (factors.empty())
        return "0";
    std::string text;
    size_t i = 0;
    while (i < factors.size()) {
        const CExprFactor& base = *factors[i++];
        std::string chain = Factor(base);
        bool constant = base.isConstant;
        for (bool first = true; i < factors.size() && factors[i]->op == '^'; first = false) {
            if (!first)
                chain = "(" + chain + ")";
            constant = constant && factors[i]->isConstant;
            chain += "^" + Factor(*factors[i++]);
        }
        char op = base.op;
        if (op != '*' && op != '/') {
            if (constant)
                continue;
            op = '*';
            chain = CurrentArgumentName() + "^0";
        }
        if (!text.empty())
            text += op;
        else if (op == '/')
            text = "1/";
        text += chain;
    }
    return text.empty() ? "1" : text;
}

std::string ReadText(const std::string& text)
{
    return Read(CExpression(text.c_str(), false));
}

}  // namespace

std::string Read(const CExpression& expression)
{
    std::string text;
    for (const auto& term : expression.Terms()) {
        if (!text.empty() || term->sign == '-')
            text += term->sign;
        text += Term(*term);
    }
    return text.empty() ? "0" : text;
}

}  // namespace ExprReading
