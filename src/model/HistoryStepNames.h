#pragma once

#include "Ids.h"

class GraphItem;

// The names of undo steps are the Step... texts of StringId.
namespace HistoryStepNames {

// The name of a change of one graph from before to after: showing, hiding
// or recolouring when that is all that changed, editing otherwise.
StringId ForGraphEdit(const GraphItem& before, const GraphItem& after);

}  // namespace HistoryStepNames
