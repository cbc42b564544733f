#pragma once

#include "expr/ExprWarnings.h"
#include "Ids.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One pass over a formula as the compiler sees it (lowercased, without
// white space), split the way the compiler splits it: terms at signs,
// factors at operators and at the borders of numbers, names and groups,
// each group read as an expression of its own. Finds the warnings that
// concern what the compiler reads; white space and length are not its part.
class ExprWarningScan {
public:
    explicit ExprWarningScan(std::string_view typed);

    std::vector<ExprWarning> Run();

private:
    // A group being read: the whole text, brackets, a call's brackets, bars.
    struct Level {
        enum Kind { Top, Brackets, Call, Bars } kind;
        size_t start;                                  // where the group starts
        std::vector<size_t> commas = {};               // a call's own commas
        std::vector<std::pair<size_t, size_t>> chain = {};  // factors joined by '^'
        bool afterCaret = false;                       // the last thing read was '^'
    };

    size_t Step(size_t i);
    size_t Number(size_t i);
    size_t Name(size_t i);
    size_t Open(size_t i);
    size_t Close(size_t i);
    size_t Bar(size_t i);
    size_t Operator(size_t i);
    size_t Sign(size_t i);
    size_t Comma(size_t i);
    size_t Point(size_t i);
    size_t Skipped(size_t i);

    void StrayComma(size_t i);
    bool NothingAfter(size_t i) const;
    bool JustOpenedBars(size_t at) const;
    size_t Push(Level::Kind kind, size_t start, size_t open);
    size_t PopLevel();
    void Factor(size_t begin, size_t end);
    void Break();
    void FinishChain(Level& level);
    std::string Snip(size_t begin, size_t end) const;
    void Warn(StringId id, size_t at, std::vector<std::string> args);

    std::string_view m_typed;
    std::string m_text;             // as the compiler sees it
    std::vector<size_t> m_offsets;  // where each character of text stands in typed
    std::vector<Level> m_levels;
    std::vector<ExprWarning> m_warnings;
};
