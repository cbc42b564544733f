#pragma once

#include "CExprException.h"
#include "GraphEvents.h"

#include <QEvent>

#include <optional>

// WM_GRAPH_DONE: wParam 1 when every graph is computed, 0 when the
// computation was cancelled or failed; a failure carries the engine's error,
// which the receiver reports.
class GraphDoneEvent : public QEvent {
public:
    GraphDoneEvent(bool ok, std::optional<CExprException> error);

    int wParam() const { return ok ? 1 : 0; }
    const std::optional<CExprException>& Error() const { return error; }

private:
    bool ok;
    std::optional<CExprException> error;
};
