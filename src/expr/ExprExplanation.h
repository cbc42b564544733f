#pragma once

#include "expr/CExprException.h"
#include "expr/ExprWarnings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the engine reads a typed formula: its reading (ExprReading), the
// warnings for its surprising spots (FindExprWarnings) and, when it does not
// compile, the engine's error in place of the reading.
struct ExprExplanation {
    std::string reading;  // empty when there is an error
    std::vector<ExprWarning> warnings;
    std::optional<CExprException> error;
};

// Makes argument ("x", "y" or "t") the only available argument variable and
// the current one, compiles text as the engine's callers do, reads it, then
// simplifies it and evaluates it once at 0, as "curvix-cli eval" does, so
// that every error the engine finds without a value is found. The caller
// holds the computation lock.
ExprExplanation ExplainExpression(std::string_view text, const char* argument);

// The same for the user-interface thread, which never waits: nothing when a
// computation holds the computation lock.
std::optional<ExprExplanation> TryExplainExpression(std::string_view text, const char* argument);
