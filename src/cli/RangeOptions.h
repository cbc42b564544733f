#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The options of the commands that work on a function over a range
// (integral, roots, extrema, intersect): --arg L, --from A, --to B,
// --precision P and, where allowed, the flag --pi, followed by the
// expressions.
struct RangeOptions {
    std::string letter = "x";
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::int32_t precision = 0;
    bool timesPi = false;
    std::vector<std::string> expressions;

    // False for a command line that is not options then exactly
    // expressionCount expressions, or that lacks a bound, names a letter
    // longer than one character or a precision not in the list.
    bool Parse(std::span<char* const> args, size_t expressionCount, bool piAllowed);
};
