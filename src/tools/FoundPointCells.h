#pragma once

#include "tools/FoundPoint.h"
#include "tools/PointRequest.h"
#include "tools/TableText.h"

#include <vector>

// The points a search found as text cells: a heading row (what, x, y) and
// one row a point, x and y with 12 significant digits. The first column
// names the point: a root, an intersection, a minimum or a maximum.
TableRows FoundPointCells(PointGoal goal, const std::vector<FoundPoint>& points);
