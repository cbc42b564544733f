#pragma once

#include "view/ComputationFailure.h"
#include "view/qt/GraphEvents.h"

#include <QEvent>

#include <optional>

// WM_GRAPH_DONE: wParam 1 when every graph is computed, 0 when the
// computation was cancelled or failed; a failure carries what went wrong
// and with which graph, which the receiver reports.
class GraphDoneEvent : public QEvent {
public:
    GraphDoneEvent(bool ok, std::optional<ComputationFailure> failure);

    int wParam() const { return ok ? 1 : 0; }
    const std::optional<ComputationFailure>& Failure() const { return failure; }

private:
    bool ok;
    std::optional<ComputationFailure> failure;
};
