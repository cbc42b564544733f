#include "model/DocumentState.h"

#include <algorithm>

namespace {

// Unlike GraphItem::Differs, a change of white space counts: the user typed it.
bool SameGraph(const GraphItem& a, const GraphItem& b)
{
    return a.expression == b.expression && a.expression2 == b.expression2 && !a.Differs(b);
}

}  // namespace

bool DocumentState::SameAs(const DocumentState& other) const
{
    return autoRefresh == other.autoRefresh && !coordSystem.Differs(other.coordSystem)
        && std::equal(graphs.begin(), graphs.end(), other.graphs.begin(), other.graphs.end(), SameGraph);
}
