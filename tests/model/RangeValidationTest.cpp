#include "model/RangeValidation.h"

#include <gtest/gtest.h>

namespace {

using RangeValidation::Limit;

// Index 0 is precision 100, index 5 precision 3200; the size check bounds
// 4 * precision * value for both ends and their distance.
TEST(RangeValidation, ChecksInOrderWithTheirMessages)
{
    const struct { int index; const char *from, *to; Limit limit; RangeValidation::Refusal message; } rows[] = {
        {-1, "", "", Limit::CoordinateEdges, StringId::NoPrecision},  // no selection comes first
        {0, "", "1", Limit::CoordinateEdges, StringId::WrongRange},
        {0, "5", "5", Limit::CoordinateEdges, StringId::WrongRange},
        {0, "abc", "1", Limit::CoordinateEdges, {}},  // no number reads as 0
        {0, "nan", "1", Limit::CoordinateEdges, StringId::WrongRange},
        {0, "-inf", "0", Limit::CoordinateEdges, StringId::CoordSystemTooLarge},
        {0, "0", "5368709", Limit::CoordinateEdges, {}},  // 2147483647 / 400 = 5368709.1
        {0, "0", "5368710", Limit::CoordinateEdges, StringId::CoordSystemTooLarge},
        // only the distance is too large
        {0, "-3000000", "3000000", Limit::CoordinateEdges, StringId::CoordSystemTooLarge},
        {5, "-10", "10", Limit::CoordinateEdges, {}},                         // distance 256000
        {5, "0", "10", Limit::ArgumentRange, StringId::CoordSystemTooLarge},  // 128000
        {0, "-250", "-1", Limit::ArgumentRange, {}},                          // 100000 exactly
        {0, "-250.01", "-1", Limit::ArgumentRange, StringId::CoordSystemTooLarge},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RangeValidation::CheckRange(row.index, row.from, row.to, row.limit), row.message)
            << row.index << " [" << row.from << "] [" << row.to << "]";
}

}  // namespace
