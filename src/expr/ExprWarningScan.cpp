#include "expr/ExprWarningScan.h"

#include "expr/ExprText.h"
#include "expr/ExprWarningText.h"

#include <algorithm>

namespace {

using ExprText::IsDigit;
using ExprText::IsLetter;

bool IsOperator(char c) { return c == '*' || c == '/' || c == '^'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
// Whatever joins two factors or terms.
bool IsJoin(char c) { return IsOperator(c) || IsSign(c); }
size_t JoinRunEnd(std::string_view text, size_t i)
{
    while (i < text.size() && IsJoin(text[i]))
        ++i;
    return i;
}
bool IsSkipped(char c)
{
    return !IsLetter(c) && !IsDigit(c) && std::string_view("()|*/^+-,.").find(c) == std::string_view::npos;
}

// A factor with the powers that follow it.
size_t OperandEnd(std::string_view text, size_t i)
{
    size_t end = ExprText::FactorEnd(text, i);
    while (end > i && end < text.size() && text[end] == '^' && ExprText::FactorEnd(text, end + 1) > end + 1)
        end = ExprText::FactorEnd(text, end + 1);
    return end;
}

}  // namespace

ExprWarningScan::ExprWarningScan(std::string_view source)
    : m_typed(source), m_text(ExprText::Prepare(source)), m_offsets(ExprText::SourceOffsets(source))
{
}

std::vector<ExprWarning> ExprWarningScan::Run()
{
    m_levels.push_back({Level::Top, 0});
    for (size_t i = 0; i < m_text.size();)
        i = Step(i);
    while (m_levels.size() > 1)
        PopLevel();
    FinishChain(m_levels.back());
    return std::move(m_warnings);
}

size_t ExprWarningScan::Step(size_t i)
{
    const char c = m_text[i];
    if (IsDigit(c))
        return Number(i);
    if (IsLetter(c))
        return Name(i);
    if (c == '(')
        return Open(i);
    if (c == ')')
        return Close(i);
    if (c == '|')
        return Bar(i);
    if (IsOperator(c))
        return Operator(i);
    if (IsSign(c))
        return Sign(i);
    if (c == ',')
        return Comma(i);
    if (c == '.' && i + 1 < m_text.size() && IsDigit(m_text[i + 1]))
        return Point(i);
    return Skipped(i);
}

size_t ExprWarningScan::Number(size_t i)
{
    const size_t end = i + ExprText::NumberLength(m_text, i);
    if (end + 2 < m_text.size() && m_text[end] == 'e' && IsSign(m_text[end + 1]) && IsDigit(m_text[end + 2])) {
        size_t digits = end + 2;
        while (digits < m_text.size() && IsDigit(m_text[digits]))
            ++digits;
        const std::string exponent = Snip(end + 2, digits);
        const std::string power = m_text[end + 1] == '-' ? "(-" + exponent + ")" : exponent;
        Warn(StringId::WarnSignedExponent, i, {Snip(i, digits), Snip(end + 1, digits), Snip(i, end) + "*10^" + power});
    }
    Factor(i, end);
    return end;
}

size_t ExprWarningScan::Name(size_t i)
{
    size_t end = i;
    while (end < m_text.size() && IsLetter(m_text[end]))
        ++end;
    if (end < m_text.size() && m_text[end] == '(')
        return Push(Level::Call, i, end);
    Factor(i, end);
    return end;
}

size_t ExprWarningScan::Open(size_t i)
{
    if (i + 1 < m_text.size() && m_text[i + 1] == ')')
        Warn(StringId::WarnEmptyBrackets, i, {Snip(i, i + 2)});
    return Push(Level::Brackets, i, i);
}

size_t ExprWarningScan::Close(size_t i)
{
    const bool inBrackets = std::any_of(m_levels.begin(), m_levels.end(), [](const Level& level) {
        return level.kind == Level::Brackets || level.kind == Level::Call;
    });
    if (!inBrackets) {
        Break();  // the compiler refuses the unmatched ')'
        return i + 1;
    }
    while (m_levels.back().kind == Level::Bars)
        PopLevel();
    Factor(PopLevel(), i + 1);
    return i + 1;
}

size_t ExprWarningScan::Bar(size_t i)
{
    if (m_levels.back().kind == Level::Bars) {
        Factor(PopLevel(), i + 1);
        return i + 1;
    }
    if (i + 1 < m_text.size() && m_text[i + 1] == '|')
        Warn(StringId::WarnEmptyBars, i, {Snip(i, i + 2)});
    return Push(Level::Bars, i, i);
}

size_t ExprWarningScan::Operator(size_t i)
{
    const char before = i > 0 ? m_text[i - 1] : '\0';
    if (IsJoin(before)) {
        if (i < 2 || !IsJoin(m_text[i - 2]))
            Warn(StringId::WarnTwoOperators, i - 1, {Snip(i - 1, JoinRunEnd(m_text, i))});
    } else if (i == 0 || before == '(' || before == ',' || JustOpenedBars(i - 1)) {
        Warn(StringId::WarnNothingBefore, i, {Snip(i, i + 1)});
    } else if (NothingAfter(i + 1)) {
        Warn(StringId::WarnNothingAfter, i, {Snip(i, i + 1)});
    }
    if (m_text[i] == '^')
        m_levels.back().afterCaret = true;
    else
        Break();
    return i + 1;
}

size_t ExprWarningScan::Sign(size_t i)
{
    size_t signs = i;
    while (signs < m_text.size() && IsSign(m_text[signs]))
        ++signs;
    const char before = i > 0 ? m_text[i - 1] : '\0';
    const size_t end = OperandEnd(m_text, signs);
    if (IsOperator(before) && end > signs) {
        const std::string op(1, before);
        Warn(StringId::WarnSignAfterOperator, i - 1, {Snip(i - 1, end), op, op + "(" + m_text[signs - 1] + Snip(signs, end) + ")"});
    } else if (signs - i > 1 && !IsOperator(before)) {
        Warn(StringId::WarnTwoOperators, i, {Snip(i, JoinRunEnd(m_text, i))});
    } else if (NothingAfter(signs)) {
        Warn(StringId::WarnNothingAfter, i, {Snip(i, signs)});
    }
    Break();
    return signs;
}

size_t ExprWarningScan::Comma(size_t i)
{
    auto level = m_levels.rbegin();
    while (level->kind == Level::Bars)
        ++level;
    if (level->kind == Level::Call)
        level->commas.push_back(i);
    else
        StrayComma(i);
    Break();
    return i + 1;
}

size_t ExprWarningScan::Point(size_t i)
{
    const size_t end = i + 1 + ExprText::NumberLength(m_text, i + 1);
    Warn(StringId::WarnLeadingPoint, i, {Snip(i, end), Snip(i + 1, end), "0" + Snip(i, end)});
    Break();
    return i + 1;
}

size_t ExprWarningScan::Skipped(size_t i)
{
    size_t end = i + 1;
    if (IsSkipped(m_text[i])) {
        while (end < m_text.size() && IsSkipped(m_text[end]))
            ++end;
    }
    Warn(StringId::WarnSkipped, i, {Snip(i, end)});
    Break();
    return end;
}

void ExprWarningScan::StrayComma(size_t i)
{
    size_t begin = i;
    while (begin > 0 && IsDigit(m_text[begin - 1]))
        --begin;
    size_t end = i + 1;
    while (end < m_text.size() && IsDigit(m_text[end]))
        ++end;
    // Whole digits on both sides: probably a decimal comma.
    if (begin == i || end == i + 1 || (begin > 0 && m_text[begin - 1] == '.')) {
        Warn(StringId::WarnStrayComma, i, {});
        return;
    }
    const std::string whole = Snip(begin, i), part = Snip(i + 1, end);
    Warn(StringId::WarnDecimalComma, begin, {Snip(begin, end), whole + "*" + part, whole + "." + part});
}

bool ExprWarningScan::NothingAfter(size_t i) const
{
    return i >= m_text.size() || m_text[i] == ')' || m_text[i] == ',' ||
           (m_text[i] == '|' && m_levels.back().kind == Level::Bars);
}

bool ExprWarningScan::JustOpenedBars(size_t at) const
{
    return m_levels.back().kind == Level::Bars && m_levels.back().start == at;
}

// A group opens at start; its contents begin after text[open].
size_t ExprWarningScan::Push(Level::Kind kind, size_t start, size_t open)
{
    m_levels.push_back({kind, start, {}, {}});
    return open + 1;
}

// Ends the innermost group; where it started.
size_t ExprWarningScan::PopLevel()
{
    Level& level = m_levels.back();
    FinishChain(level);
    for (size_t k = 0; k + 1 < level.commas.size(); ++k)
        StrayComma(level.commas[k]);
    const size_t start = level.start;
    m_levels.pop_back();
    return start;
}

void ExprWarningScan::Factor(size_t begin, size_t end)
{
    Level& level = m_levels.back();
    if (!level.afterCaret)
        FinishChain(level);
    level.chain.emplace_back(begin, end);
    level.afterCaret = false;
}

// Anything but '^' between two factors ends a power chain.
void ExprWarningScan::Break()
{
    FinishChain(m_levels.back());
    m_levels.back().afterCaret = false;
}

void ExprWarningScan::FinishChain(Level& level)
{
    auto& chain = level.chain;
    if (chain.size() >= 3) {
        std::string fromLeft = Snip(chain[0].first, chain[0].second);
        for (size_t k = 1; k < chain.size(); ++k)
            fromLeft = (k > 1 ? "(" + fromLeft + ")" : fromLeft) + "^" + Snip(chain[k].first, chain[k].second);
        std::string fromRight = Snip(chain.back().first, chain.back().second);
        for (size_t k = chain.size() - 1; k-- > 0;)
            fromRight = Snip(chain[k].first, chain[k].second) + "^" +
                        (k + 2 == chain.size() ? fromRight : "(" + fromRight + ")");
        Warn(StringId::WarnPowerChain, chain[0].first, {Snip(chain[0].first, chain.back().second), fromLeft, fromRight});
    }
    chain.clear();
}

// The typed text of the prepared characters [begin, end).
std::string ExprWarningScan::Snip(size_t begin, size_t end) const
{
    if (end <= begin)
        return {};
    return std::string(m_typed.substr(m_offsets[begin], m_offsets[end - 1] + 1 - m_offsets[begin]));
}

// A warning at the prepared character at; its text gets the position
// first, then args.
void ExprWarningScan::Warn(StringId id, size_t at, std::vector<std::string> args)
{
    args.insert(args.begin(), ExprWarningText::CharacterNumber(m_typed, m_offsets[at]));
    m_warnings.push_back({m_offsets[at], ExprWarningText::Format(id, args)});
}
