#include "view/qt/GraphDoneEvent.h"

#include <utility>

GraphDoneEvent::GraphDoneEvent(bool succeeded, std::optional<ComputationFailure> why)
    : QEvent(WM_GRAPH_DONE), m_succeeded(succeeded), m_failure(std::move(why))
{
}
