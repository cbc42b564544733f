#pragma once

#include "model/CoordSystem.h"
#include "model/GraphItem.h"

#include <vector>

// What the user edits in a document, step by step: the graph list in its
// order, the document's coordinate system and "Refresh automatically". The
// zoom is view state and not part of it.
struct DocumentState {
    std::vector<GraphItem> graphs;
    CoordSystem coordSystem;
    bool autoRefresh = false;

    // Every graph (texts compared exactly), the coordinate system and the
    // flag are the same.
    bool SameAs(const DocumentState& other) const;
};
