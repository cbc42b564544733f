#include "RoundToDecimals.h"

#include <gtest/gtest.h>

namespace {

// n decimals; a fractional part above one half rounds away from zero, an
// exact half toward zero. The scaling multiplies by 10^n.
TEST(RoundToDecimals, RoundsHalvesTowardZero)
{
    struct Row {
        double v;
        int n;
        double expected;
    };
    const Row rows[] = {
        {2.5, 0, 2}, {-2.5, 0, -2}, {2.6, 0, 3}, {-2.6, 0, -3}, {2.4, 0, 2}, {0.5, 0, 0}, {0.125, 2, 0.12},
        {-0.126, 2, -0.13}, {-0.125, 2, -0.12}, {2.675, 2, 2.67}, {1.23456789, 7, 1.2345679},
        {1.23456784, 7, 1.2345678}, {0.0, 3, 0.0}, {1e-9, 7, 0.0}, {123456.5, 0, 123456}, {-0.05, 1, -0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.v << " to " << row.n);
        EXPECT_DOUBLE_EQ(RoundToDecimals(row.v, row.n), row.expected);
        double inPlace = row.v;
        RoundToDecimals(&inPlace, row.n);
        EXPECT_DOUBLE_EQ(inPlace, row.expected);
    }
}

}  // namespace
