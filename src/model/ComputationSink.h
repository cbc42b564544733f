#pragma once

#include "ComputationFailure.h"

#include <optional>

// Where the graph worker reports, from its own thread: the shell turns each
// call into a message for its windows. Implementations only hand the report
// on; they never block the worker.
class ComputationSink {
public:
    virtual ~ComputationSink() = default;

    // The graph in slot has reached a new whole percent (1-99) of its samples.
    virtual void GraphProgress(int percent, int displayedCount, int slot) = 0;
    // The computation ended: ok when every displayed graph is computed;
    // otherwise it was cancelled (no failure), or a graph failed: an engine
    // error in its expression or no memory for its samples.
    virtual void GraphDone(bool ok, std::optional<ComputationFailure> failure) = 0;
};
