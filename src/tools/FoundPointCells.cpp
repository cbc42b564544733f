#include "tools/FoundPointCells.h"

#include "StringTable.h"

namespace {
constexpr int kDigits = 12;

StringId PointName(PointGoal goal, PointKind kind)
{
    if (kind == PointKind::Minimum)
        return StringId::PointMinimum;
    if (kind == PointKind::Maximum)
        return StringId::PointMaximum;
    return goal == PointGoal::Intersections ? StringId::PointIntersection : StringId::PointRoot;
}

}  // namespace

TableRows FoundPointCells(PointGoal goal, const std::vector<FoundPoint>& points)
{
    TableRows rows{{LoadAppString(StringId::HeadPoint), LoadAppString(StringId::HeadX), LoadAppString(StringId::HeadY)}};
    for (const FoundPoint& p : points)
        rows.push_back({LoadAppString(PointName(goal, p.kind)), SignificantText(p.x, kDigits), SignificantText(p.y, kDigits)});
    return rows;
}
