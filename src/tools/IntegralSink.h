#pragma once

#include "tools/IntegralResult.h"

// Where an integral run reports, from its own thread. Implementations only
// hand the report on; they never block the run.
class IntegralSink {
public:
    virtual ~IntegralSink() = default;

    // A new whole percent (0-100) of the range is done.
    virtual void IntegralProgress(int percent) = 0;
    // The run ended, with its results.
    virtual void IntegralDone(IntegralResult result) = 0;
};
