#pragma once

#include "view/ComputationFailure.h"
#include "view/qt/GraphEvents.h"

#include <QEvent>

#include <optional>

// WM_GRAPH_DONE: whether every graph is computed (not when the computation
// was cancelled or failed); a failure carries what went wrong
// and with which graph, which the receiver reports.
class GraphDoneEvent : public QEvent {
public:
    GraphDoneEvent(bool ok, std::optional<ComputationFailure> failure);

    bool Succeeded() const { return m_succeeded; }
    const std::optional<ComputationFailure>& Failure() const { return m_failure; }

private:
    bool m_succeeded;
    std::optional<ComputationFailure> m_failure;
};
