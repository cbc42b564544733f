#include "view/qt/GraphProgressEvent.h"

GraphProgressEvent::GraphProgressEvent(int percent, int displayedCount, int completeCount)
    : QEvent(WM_GRAPH_PROGRESS), m_percent(percent), m_displayed(displayedCount), m_complete(completeCount)
{
}
