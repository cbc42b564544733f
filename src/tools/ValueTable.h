#pragma once

#include "tools/CurveProbe.h"
#include "Ids.h"
#include "tools/TableText.h"

#include <cstdint>
#include <optional>
#include <vector>

class GraphItem;

// A table of values of one graph: its points at from, from + step, ...,
// up to to. The arguments are from + i * step, so that no error builds up
// along the table, and to itself is a row when the steps reach it to within
// rounding.
struct ValueTableRange {
    double from = 0;
    double to = 1;
    double step = 0.1;
};

// The most rows a table takes: far more than anyone reads, few enough to
// compute at once.
inline constexpr std::int64_t kMostTableRows = 100000;

// The rows the range gives, or 0 when it gives none that can be used (an
// end or the step not finite, the step not positive, to below from) and -1
// when it gives more than kMostTableRows.
std::int64_t ValueTableRowCount(const ValueTableRange& range);

// The message that refuses a range; none when it can be used.
std::optional<StringId> ValueTableRefusal(const ValueTableRange& range);

// Evaluates the rows under the computation lock, waiting for it. Throws the
// engine's CExprException when it refuses the graph's formula.
std::vector<CurvePoint> ComputeValueTable(const GraphItem& graph, const ValueTableRange& range);

// The table as text cells: a heading row ("x", "y"; "t", "x", "y" for
// parametric and polar graphs) and one row a point, 12 significant digits.
TableRows ValueTableCells(GraphKind kind, const std::vector<CurvePoint>& points);
