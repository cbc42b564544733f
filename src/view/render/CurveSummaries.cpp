#include "view/render/CurveSummaries.h"

#include "view/geometry/CurvePass.h"
#include "model/GraphPoints.h"

const CurveSummary* CurveSummaries::For(int slot, const GraphPoints& points)
{
    if (slot < 0)
        return nullptr;
    if (m_slots.size() <= static_cast<std::size_t>(slot))
        m_slots.resize(static_cast<std::size_t>(slot) + 1);
    Kept& kept = m_slots[static_cast<std::size_t>(slot)];
    if (kept.points != points.points.get() || kept.count != points.count) {
        kept.points = points.points.get();
        kept.count = points.count;
        kept.summary.reset();
        return nullptr;
    }
    if (!kept.summary)
        kept.summary = std::make_unique<CurveSummary>(CurveSamples::Of(points).points);
    return kept.summary.get();
}
