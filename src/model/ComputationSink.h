#pragma once

#include "CExprException.h"

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
    // otherwise it was cancelled (no error) or an expression failed (a copy
    // of the engine's error).
    virtual void GraphDone(bool ok, std::optional<CExprException> error) = 0;
};
