#pragma once

#include "view/qt/GraphEvents.h"

#include <QEvent>

// WM_GRAPH_PROGRESS: wParam is the percent of the samples done (1-99),
// lParam the number of displayed graphs << 16 OR the number of complete
// graphs (the window counts the graph after them).
class GraphProgressEvent : public QEvent {
public:
    GraphProgressEvent(int percent, int displayedCount, int complete);

    int wParam() const { return percent; }
    int lParam() const { return packed; }

private:
    int percent;
    int packed;
};
