#include "expr/ExprText.h"

#include "expr/ExprConstants.h"

#include <charconv>
#include <limits>

namespace ExprText {

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (ToLower(a[i]) != ToLower(b[i]))
            return false;
    }
    return true;
}

std::string Prepare(std::string_view text)
{
    std::string prepared;
    for (char c : text.substr(0, MAX_EXPR_TEXT)) {
        if (!IsSpace(c))
            prepared += ToLower(c);
    }
    return prepared;
}

std::vector<size_t> SourceOffsets(std::string_view text)
{
    const std::string_view read = text.substr(0, MAX_EXPR_TEXT);
    std::vector<size_t> offsets;
    for (size_t i = 0; i < read.size(); ++i) {
        if (!IsSpace(read[i]))
            offsets.push_back(i);
    }
    offsets.push_back(read.size());
    return offsets;
}

bool ContainsWord(std::string_view text, std::string_view word)
{
    if (word.empty())
        return false;
    for (size_t pos = text.find(word); pos != std::string_view::npos;
         pos = text.find(word, pos + 1)) {
        const bool letterBefore = pos > 0 && IsLetter(text[pos - 1]);
        const size_t end = pos + word.size();
        const bool letterAfter = end < text.size() && IsLetter(text[end]);
        if (!letterBefore && !letterAfter)
            return true;
    }
    return false;
}

size_t NumberLength(std::string_view text, size_t pos)
{
    size_t end = pos;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
    }
    if (end + 1 < text.size() && (text[end] == 'e' || text[end] == 'E') && IsDigit(text[end + 1])) {
        end += 2;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
    }
    return end - pos;
}

size_t BracketEnd(std::string_view text, size_t open)
{
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i + 1;
    }
    return text.size();
}

size_t BarEnd(std::string_view text, size_t open)
{
    int depth = 0;
    for (size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (text[i] == '|' && depth <= 0)
            return i + 1;
    }
    return text.size();
}

size_t FactorEnd(std::string_view text, size_t i)
{
    if (i >= text.size())
        return i;
    if (IsDigit(text[i]))
        return i + NumberLength(text, i);
    if (text[i] == '(')
        return BracketEnd(text, i);
    if (text[i] == '|')
        return BarEnd(text, i);
    size_t end = i;
    while (end < text.size() && IsLetter(text[end]))
        ++end;
    return end < text.size() && text[end] == '(' ? BracketEnd(text, end) : end;
}

double NumberValue(std::string_view digits)
{
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)ptr;
    // Exponents carry no sign here, so a number out of range is an overflow.
    if (ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity();
    return value;
}

}  // namespace ExprText
