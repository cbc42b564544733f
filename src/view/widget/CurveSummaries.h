#pragma once

#include "CurveSummary.h"

#include <memory>
#include <vector>

class GraphPoints;

// The block bounds of each displayed slot's samples, made on first use.
// Samples change only through a computation, and Refresh clears these
// before it starts one; a slot whose buffer was replaced is summed up again.
class CurveSummaries {
public:
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
