#pragma once

#include "expr/CExprException.h"

#include <optional>

// How a definite-integral run ended; the numbers are the ones the results
// page has always received.
enum IntegralOutcome : int {
    IntegralFinished = 0,
    IntegralFailed = 0xFFFD,         // the engine refused the expression or a value
    IntegralNotContinuous = 0xFFFE,  // a sample was not finite or beyond +-100000
    IntegralStopped = 0xFFFF,        // the user stopped it
};

// The end of a run: the sums are set for a finished run only, the engine's
// error for a failed one.
struct IntegralResult {
    IntegralOutcome outcome = IntegralFailed;
    double integral = 0;
    double area = 0;
    std::optional<CExprException> error;
};
