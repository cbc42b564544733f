#pragma once

#include "view/ComputationSink.h"

#include <cstdlib>
#include <optional>

// A computation's reports are of no use to a benchmark; a run that fails
// would measure nothing, so it ends the benchmark.
class QuietComputationSink : public ComputationSink {
public:
    void GraphProgress(int, int, int) override {}
    void GraphDone(bool ok, std::optional<ComputationFailure>) override
    {
        if (!ok)
            std::abort();
    }
};
