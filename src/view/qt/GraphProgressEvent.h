#pragma once

#include "GraphEvents.h"

#include <QEvent>

// WM_GRAPH_PROGRESS: wParam is the percent of the current graph (1-99),
// lParam the number of displayed graphs << 16 OR the slot index.
class GraphProgressEvent : public QEvent {
public:
    GraphProgressEvent(int percent, int displayedCount, int slot);

    int wParam() const { return percent; }
    int lParam() const { return packed; }

private:
    int percent;
    int packed;
};
