#include "expr/ExprWarnings.h"

#include "expr/CExprException.h"
#include "expr/CFunctionList.h"
#include "expr/ExprConstants.h"
#include "expr/ExprText.h"
#include "expr/ExprWarningScan.h"
#include "expr/ExprWarningText.h"

#include <algorithm>

namespace {
// How much of the text beyond the limit a warning quotes.
constexpr size_t kQuotedRest = 12;

using ExprText::IsLetter;
using ExprText::IsSpace;
using ExprWarningText::CharacterNumber;
using ExprWarningText::Format;

bool IsFunctionName(const std::string& name)
{
    FunctionId id = 0;
    try {
        theFunctionList.FindId(ExprText::Prepare(name).c_str(), &id);
    } catch (const CExprException&) {
        return false;
    }
    return true;
}

// White space between two names joins them into one ("sin x" is "sinx").
void FindJoinedNames(std::string_view typed, std::vector<ExprWarning>& warnings)
{
    const std::string_view read = typed.substr(0, MAX_EXPR_TEXT);
    for (size_t i = 0; i + 1 < read.size(); ++i) {
        if (!IsLetter(read[i]) || !IsSpace(read[i + 1]))
            continue;
        size_t next = i + 1;
        while (next < read.size() && IsSpace(read[next]))
            ++next;
        if (next == read.size() || !IsLetter(read[next]))
            continue;
        size_t begin = i, end = next;
        while (begin > 0 && IsLetter(read[begin - 1]))
            --begin;
        while (end < read.size() && IsLetter(read[end]))
            ++end;
        const std::string left(read.substr(begin, i + 1 - begin)), right(read.substr(next, end - next));
        const std::string meant = IsFunctionName(left) ? left + "(" + right + ")" : left + "*" + right;
        warnings.push_back({begin, Format(StringId::WarnJoinedNames, {CharacterNumber(typed, begin),
                                                         std::string(read.substr(begin, end - begin)),
                                                         left + right, meant})});
    }
}

// The engine reads the first 255 characters only.
void FindCutText(std::string_view typed, std::vector<ExprWarning>& warnings)
{
    if (typed.size() <= MAX_EXPR_TEXT)
        return;
    const std::string_view rest = typed.substr(MAX_EXPR_TEXT);
    if (std::all_of(rest.begin(), rest.end(), IsSpace))
        return;
    size_t quoted = std::min(rest.size(), kQuotedRest);
    while (quoted < rest.size() && (static_cast<unsigned char>(rest[quoted]) & 0xC0) == 0x80)
        ++quoted;
    warnings.push_back({MAX_EXPR_TEXT, Format(StringId::WarnTooLong, {CharacterNumber(typed, MAX_EXPR_TEXT),
                                                         std::string(rest.substr(0, quoted))})});
}

}  // namespace

std::vector<ExprWarning> FindExprWarnings(std::string_view typed)
{
    std::vector<ExprWarning> warnings = ExprWarningScan(typed).Run();
    FindJoinedNames(typed, warnings);
    FindCutText(typed, warnings);
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const ExprWarning& a, const ExprWarning& b) { return a.position < b.position; });
    return warnings;
}
