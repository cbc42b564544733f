#include "FoundPointCells.h"

#include "StringTable.h"

namespace {

constexpr unsigned kHeadX = 22003;
constexpr unsigned kHeadY = 22004;
constexpr unsigned kHeadPoint = 22006;
constexpr unsigned kRoot = 22007;
constexpr unsigned kMinimum = 22008;
constexpr unsigned kMaximum = 22009;
constexpr unsigned kIntersection = 22012;
constexpr int kDigits = 12;

unsigned PointName(PointGoal goal, PointKind kind)
{
    if (kind == PointKind::Minimum)
        return kMinimum;
    if (kind == PointKind::Maximum)
        return kMaximum;
    return goal == PointGoal::Intersections ? kIntersection : kRoot;
}

}  // namespace

TableRows FoundPointCells(PointGoal goal, const std::vector<FoundPoint>& points)
{
    TableRows rows{{LoadAppString(kHeadPoint), LoadAppString(kHeadX), LoadAppString(kHeadY)}};
    for (const FoundPoint& p : points)
        rows.push_back({LoadAppString(PointName(goal, p.kind)), SignificantText(p.x, kDigits), SignificantText(p.y, kDigits)});
    return rows;
}
