#pragma once

#include "IntegralSink.h"

#include <string>

// The checks the integral tool makes before it calculates, shared by its
// page and the command line.

// The message id that refuses a chosen function and argument letter: none
// chosen, or a letter other than x, y or t; 0 when they can be used.
unsigned IntegralChoiceMessage(const std::string& expression, const std::string& letter);

// Makes the letter the only available argument variable and the current
// one; the caller holds the computation lock.
void SelectIntegralArgument(char letter);

// Compiles, simplifies and evaluates the expression once for the argument
// letter, as a syntax check. The caller holds the computation lock; engine
// errors are thrown as CExprException.
void CheckIntegralSyntax(const std::string& expression, char letter);

// The result text id for a run that ended without a result (user break,
// not continuous); 0 for the others.
unsigned IntegralOutcomeMessage(IntegralOutcome outcome);
