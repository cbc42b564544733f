#pragma once

#include "view/qt/GraphEvents.h"

#include <QEvent>

// WM_GRAPH_PROGRESS: the percent of the samples done (1-99), the number of
// displayed graphs and the number of complete ones (the window counts the
// graph after them).
class GraphProgressEvent : public QEvent {
public:
    GraphProgressEvent(int percent, int displayedCount, int completeCount);

    int Percent() const { return m_percent; }
    int DisplayedCount() const { return m_displayed; }
    int CompleteCount() const { return m_complete; }

private:
    int m_percent;
    int m_displayed;
    int m_complete;
};
