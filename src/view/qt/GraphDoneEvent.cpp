#include "GraphDoneEvent.h"

#include <utility>

GraphDoneEvent::GraphDoneEvent(bool ok, std::optional<CExprException> error)
    : QEvent(WM_GRAPH_DONE), ok(ok), error(std::move(error))
{
}
