#include "tools/ValueTable.h"

#include "expr/CVariableTable.h"
#include "model/GraphItem.h"
#include "StringTable.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {
constexpr int kDigits = 12;
// A step count this close below a whole number reaches it.
constexpr double kReachTolerance = 1e-9;

bool IsCurve(GraphKind kind)
{
    return kind == KindParametric || kind == KindPolar;
}

}  // namespace

std::int64_t ValueTableRowCount(const ValueTableRange& range)
{
    const double steps = (range.to - range.from) / range.step;
    if (!std::isfinite(range.from) || !std::isfinite(range.to) || !(range.step > 0) || !(steps >= 0))
        return 0;
    if (!(steps < static_cast<double>(kMostTableRows)))
        return -1;
    return static_cast<std::int64_t>(std::floor(steps + kReachTolerance)) + 1;
}

std::optional<StringId> ValueTableRefusal(const ValueTableRange& range)
{
    switch (ValueTableRowCount(range)) {
    case 0:
        return StringId::BadTableRange;
    case -1:
        return StringId::TooManyRows;
    default:
        return std::nullopt;
    }
}

std::vector<CurvePoint> ComputeValueTable(const GraphItem& graph, const ValueTableRange& range)
{
    const std::int64_t count = ValueTableRowCount(range);
    std::vector<CurvePoint> points;
    std::lock_guard lock(theVariables.Lock());
    CurveProbe probe(graph);
    for (std::int64_t i = 0; i < count; ++i)
        points.push_back(probe.At(std::min(range.from + static_cast<double>(i) * range.step, range.to)));
    return points;
}

TableRows ValueTableCells(GraphKind kind, const std::vector<CurvePoint>& points)
{
    const bool curve = IsCurve(kind);
    TableRows rows;
    rows.push_back(curve ? std::vector<std::string>{LoadAppString(StringId::HeadT), LoadAppString(StringId::HeadX), LoadAppString(StringId::HeadY)}
                         : std::vector<std::string>{LoadAppString(StringId::HeadX), LoadAppString(StringId::HeadY)});
    for (const CurvePoint& p : points) {
        std::vector<std::string> row;
        if (curve)
            row.push_back(SignificantText(p.argument, kDigits));
        row.push_back(SignificantText(p.x, kDigits));
        row.push_back(SignificantText(p.y, kDigits));
        rows.push_back(std::move(row));
    }
    return rows;
}
