#include "view/qt/GraphProgressEvent.h"

GraphProgressEvent::GraphProgressEvent(int percentDone, int displayedCount, int complete)
    : QEvent(WM_GRAPH_PROGRESS), percent(percentDone), packed((displayedCount << 16) | (complete & 0xFFFF))
{
}
