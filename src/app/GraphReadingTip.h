#pragma once

#include <QString>

class GraphItem;

// The tooltip of a graph in a list: how the engine reads its equation(s),
// "Reads as: y = ..." (two lines for a parametric graph), or the engine's
// message for an equation that does not compile. Empty while a computation
// holds the computation lock: a tooltip never waits.
QString GraphReadingTip(const GraphItem& graph);
