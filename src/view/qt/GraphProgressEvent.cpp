#include "GraphProgressEvent.h"

GraphProgressEvent::GraphProgressEvent(int percent, int displayedCount, int slot)
    : QEvent(WM_GRAPH_PROGRESS), percent(percent), packed((displayedCount << 16) | (slot & 0xFFFF))
{
}
