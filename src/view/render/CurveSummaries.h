#pragma once

#include "view/geometry/CurveSummary.h"

#include <memory>
#include <vector>

class GraphPoints;

// The block bounds of each displayed slot's samples, made on the second
// pass over the same samples: the first pass after a computation visits
// every sample anyway, and making the bounds costs several such passes, so
// they pay for themselves only from the passes after it (the bands drawn
// after a scroll, repaints). Samples change only through a computation, and
// Refresh clears these before it starts one; a slot whose buffer was
// replaced starts again.
class CurveSummaries {
public:
    // Null on the first pass over a slot's buffer.
    const CurveSummary* For(int slot, const GraphPoints& points);
    void Clear() { m_slots.clear(); }

private:
    struct Kept {
        const ScaledPoint* points = nullptr;
        std::int32_t count = 0;
        std::unique_ptr<CurveSummary> summary;
    };

    std::vector<Kept> m_slots;
};
