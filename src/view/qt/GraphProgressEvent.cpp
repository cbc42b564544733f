#include "GraphProgressEvent.h"

GraphProgressEvent::GraphProgressEvent(int percent, int displayedCount, int complete)
    : QEvent(WM_GRAPH_PROGRESS), percent(percent), packed((displayedCount << 16) | (complete & 0xFFFF))
{
}
