#pragma once

#include "view/ComputationFailure.h"

#include <optional>

// Where the graph worker reports, from its threads, one at a time: the shell
// turns each call into a message for its windows. Implementations only hand
// the report on; they never block the worker.
class ComputationSink {
public:
    virtual ~ComputationSink() = default;

    // The computation has reached a new whole percent (1-99) of the samples
    // it computes; `complete` of the displayed graphs are computed.
    virtual void GraphProgress(int percent, int displayedCount, int complete) = 0;
    // The computation ended: ok when every displayed graph is computed;
    // otherwise it was cancelled (no failure), or a graph failed: an engine
    // error in its expression or no memory for its samples.
    virtual void GraphDone(bool ok, std::optional<ComputationFailure> failure) = 0;
};
