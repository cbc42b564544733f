#pragma once

#include "model/GraphKind.h"

#include <functional>

class CCurvixDoc;
class GraphComputation;
class QComboBox;

// Fills a list with the displayed graphs that pass the filter,
// each shown by its equation and holding its displayed position; selects
// the one at the list position selected in the graph list when it is there.
void FillGraphChoice(QComboBox& box, const CCurvixDoc& doc, const GraphComputation& computation, const std::function<bool(GraphKind)>& filter,
                     int selectedListPosition);

// The displayed position of the chosen graph; -1 for none.
int ChosenGraph(const QComboBox& box);
