#include "GraphDoneEvent.h"

#include <utility>

GraphDoneEvent::GraphDoneEvent(bool ok, std::optional<ComputationFailure> failure)
    : QEvent(WM_GRAPH_DONE), ok(ok), failure(std::move(failure))
{
}
