#include "view/qt/GraphDoneEvent.h"

#include <utility>

GraphDoneEvent::GraphDoneEvent(bool succeeded, std::optional<ComputationFailure> why)
    : QEvent(WM_GRAPH_DONE), ok(succeeded), failure(std::move(why))
{
}
