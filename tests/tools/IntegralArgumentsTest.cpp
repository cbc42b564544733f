// The integral's sample positions, worked out a block at a time, against
// the same stepping taken one position at a time: a fresh start at
// from + i * h every 100 positions, x + h in between, and the end one step
// or less before `to`.

#include "tools/IntegralArguments.h"
#include "expr/RoundToDecimals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Positions {
    std::vector<double> positions;
    double end = 0;
};

Positions OneAtATime(double from, double to, double h)
{
    Positions result;
    double x = from;
    for (std::int64_t i = 0;; ++i) {
        result.positions.push_back(x);
        const double next = (i + 1) % 100 == 0 ? from + static_cast<double>(i + 1) * h : x + h;
        x += h;
        if (x >= to)
            break;
        x = next;
    }
    result.end = x;
    return result;
}

TEST(IntegralArguments, MatchesTheStepByStepPositions)
{
    const struct {
        double from, to, h;
    } rows[] = {
        {0, 1, 1.0 / 100},          // exactly 100 steps: one full block
        {0, 1.005, 1.0 / 100},      // a block of one after a full one
        {0, 0.005, 1.0 / 100},      // one position only
        {-3.3, 7.77, 1.0 / 800},    // many blocks, crossing zero
        {0.37, 5.1234567, 1.0 / 300},
        {1000, 1000.5, 1.0 / 3200},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.to);
        const Positions expected = OneAtATime(row.from, row.to, row.h);
        IntegralArguments steps(row.from, row.to, row.h);
        std::vector<double> positions;
        int blocks = 0;
        do {
            const int count = steps.NextBlock();
            ASSERT_GT(count, 0);
            ASSERT_LE(count, IntegralArguments::kBlock);
            for (int k = 0; k < count; ++k) {
                positions.push_back(steps.Position(k));
                EXPECT_EQ(steps.Argument(k), RoundToDecimals(steps.Position(k), 7));
            }
            ++blocks;
        } while (!steps.Ended() && blocks < 100000);
        EXPECT_EQ(positions, expected.positions);
        EXPECT_EQ(steps.EndPosition(), expected.end);
    }
}

}  // namespace
