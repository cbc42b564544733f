#pragma once

#include "CExprException.h"

#include <optional>

// How a definite-integral run ended; the numbers are the ones the results
// page has always received.
enum IntegralOutcome : int {
    IntegralFinished = 0,
    IntegralFailed = 0xFFFD,         // the engine refused the expression or a value
    IntegralNotContinuous = 0xFFFE,  // a sample was not finite or beyond +-100000
    IntegralStopped = 0xFFFF,        // the user stopped it
};

// Where the integral worker reports, from its own thread. Implementations
// only hand the report on; they never block the worker.
class IntegralSink {
public:
    virtual ~IntegralSink() = default;

    // A new whole percent (0-100) of the range is done.
    virtual void IntegralProgress(int percent) = 0;
    // The run ended; the results are stored before this call when finished.
    // A failed run carries a copy of the engine's error.
    virtual void IntegralDone(IntegralOutcome outcome, std::optional<CExprException> error) = 0;
};
