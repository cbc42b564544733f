#include "RangeValidation.h"

#include <gtest/gtest.h>

namespace {

using RangeValidation::CheckRange;
using RangeValidation::Limit;

TEST(RangeValidation, ChecksInOrderWithTheirMessages)
{
    struct Row {
        int index;
        const char *from, *to;
        Limit limit;
        unsigned message;
    } rows[] = {
        {-1, "", "", Limit::CoordinateEdges, 3139},  // no selection comes first
        {0, "", "1", Limit::CoordinateEdges, 3138},
        {0, "1", "", Limit::CoordinateEdges, 3138},
        {0, "5", "5", Limit::CoordinateEdges, 3138},
        {0, "6", "5", Limit::CoordinateEdges, 3138},
        {0, "abc", "1", Limit::CoordinateEdges, 0},  // no number reads as 0
        {0, "1", "abc", Limit::CoordinateEdges, 3138},
        {0, "1e9", "2e9", Limit::CoordinateEdges, 3142},
        {5, "-10", "10", Limit::CoordinateEdges, 0},      // b - a = 256000
        {5, "0", "10", Limit::ArgumentRange, 3142},       // b = 128000
        {5, "0", "7", Limit::ArgumentRange, 0},           // b = 89600
        {0, "-250", "-1", Limit::ArgumentRange, 0},       // |a| = 100000 exactly
        {0, "-250.01", "-1", Limit::ArgumentRange, 3142},
        {0, "-inf", "0", Limit::CoordinateEdges, 3142},
        {0, "nan", "1", Limit::CoordinateEdges, 3138},
        {0, " 2.5xyz", "3", Limit::ArgumentRange, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CheckRange(row.index, row.from, row.to, row.limit), row.message)
            << row.index << " [" << row.from << "] [" << row.to << "]";
}

TEST(RangeValidation, CoordinateEdgesMayReachTheThirtyTwoBitLimit)
{
    // 2147483647 / (4 * 100) = 5368709.1175
    EXPECT_EQ(RangeValidation::CheckRangeSize(0, 5368709, 100, Limit::CoordinateEdges), 0u);
    EXPECT_EQ(RangeValidation::CheckRangeSize(0, 5368710, 100, Limit::CoordinateEdges), 3142u);
    EXPECT_EQ(RangeValidation::CheckRangeSize(-3000000, 3000000, 100, Limit::CoordinateEdges), 3142u);
}

}  // namespace
