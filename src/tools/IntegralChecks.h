#pragma once

#include "Ids.h"
#include "tools/IntegralResult.h"

#include <cstdint>
#include <optional>
#include <string>

// The checks the integral tool makes before it calculates, shared by its
// page and the command line.

// The message that refuses a chosen function and argument letter: none
// chosen, or a letter other than x, y or t; none when they can be used.
std::optional<StringId> IntegralChoiceMessage(const std::string& expression, const std::string& letter);

// Makes the letter the only available argument variable and the current
// one; the caller holds the computation lock.
void SelectIntegralArgument(char letter);

// Compiles, simplifies and evaluates the expression once for the argument
// letter, as a syntax check. The caller holds the computation lock; engine
// errors are thrown as CExprException.
void CheckIntegralSyntax(const std::string& expression, char letter);

// The most steps a run may take: some seconds of work; a range that a
// typed bound makes a million times wider would run for days.
inline constexpr double kMostIntegralSteps = 1e9;
// For a run over [from, to] at samplesPerUnit steps a unit that takes more
// steps than kMostIntegralSteps: the text id (TooManySteps refuses,
// ManyStepsQuestion asks) with the run's step count and the limit in place. Empty otherwise.
std::string IntegralStepsMessage(StringId id, double from, double to, std::int32_t samplesPerUnit);

// The result text for a run that ended without a result (user break, not
// continuous); none for the others.
std::optional<StringId> IntegralOutcomeMessage(IntegralOutcome outcome);
