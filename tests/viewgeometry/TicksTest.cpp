// Grid and tick spacing, tick positions over a painted span, label texts.

#include "TickLabelText.h"
#include "TickRuler.h"
#include "TickSpacing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(TickSpacing, StepsAtZoomAndPi)
{
    struct Row { int zoom; bool timesPi; double minor, normalGrid, largeGrid, labelPixels, labelWorld; };
    const double pi = 3.141592653589793;
    const Row rows[] = {
        {100, false, 12.5, 25, 50, 100, 1},
        {50, false, 12.5, 25, 50, 100, 2},
        {400, false, 12.5, 25, 50, 100, 0.25},
        {25, false, 12.5, 25, 50, 100, 4},
        {300, false, 18.75, 37.5, 75, 150, 0.5},
        {100, true, pi * 100 / 16, pi * 100 / 8, pi * 100 / 4, pi * 50, 0.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "zoom " << row.zoom << (row.timesPi ? " pi" : ""));
        const TickSpacing spacing(row.zoom, row.timesPi);
        EXPECT_DOUBLE_EQ(spacing.MinorPixels(), row.minor);
        EXPECT_DOUBLE_EQ(spacing.GridPixels(0), row.minor);
        EXPECT_DOUBLE_EQ(spacing.GridPixels(1), row.normalGrid);
        EXPECT_DOUBLE_EQ(spacing.GridPixels(2), row.largeGrid);
        EXPECT_DOUBLE_EQ(spacing.LabelPixels(), row.labelPixels);
        EXPECT_DOUBLE_EQ(spacing.LabelWorld(), row.labelWorld);
    }
}

// Every zoom a document can hold gives ticks 10 to 20 pixels apart and
// labels at least 100 apart; a zoom that is not positive gives none.
TEST(TickSpacing, LoopsEndForAnyZoom)
{
    for (int zoom : {1, 3, 7, 1000, 123456789, std::numeric_limits<int>::max()}) {
        for (bool timesPi : {false, true}) {
            const TickSpacing spacing(zoom, timesPi);
            EXPECT_GE(spacing.MinorPixels(), 10.0) << zoom;
            EXPECT_LT(spacing.MinorPixels(), 20.0) << zoom;
            EXPECT_GE(spacing.LabelPixels(), 100.0) << zoom;
        }
    }
    for (int zoom : {0, -100})
        EXPECT_FALSE(TickSpacing(zoom, false).IsUsable());
}

std::vector<int> Positions(const std::vector<Tick>& ticks)
{
    std::vector<int> positions;
    for (const Tick& tick : ticks)
        positions.push_back(tick.position);
    return positions;
}

// Positions are rounded with halves toward zero; the other axis's column is
// skipped on an axis; nothing before -1; labels reach one step past the
// painted span on each side.
TEST(TickRuler, TicksAndLabelsOverThePaintedSpan)
{
    struct Row { long long origin; double step; int first, last; bool skipOrigin;
                 std::vector<int> ticks, labels; };
    const Row rows[] = {
        {100, 12.5, 60, 140, true, {62, 75, 87, 112, 125, 137}, {50, 62, 75, 87, 100, 112, 125, 137, 150}},
        {100, 12.5, 60, 140, false, {62, 75, 87, 100, 112, 125, 137}, {50, 62, 75, 87, 100, 112, 125, 137, 150}},
        {100, 100, 150, 160, false, {}, {100, 200}},
        {95, 100, -10, 10, false, {}, {-105, -5, 95}},
        {-250, 100, 0, 201, false, {50, 150}, {-50, 50, 150, 250}},
        {100, 0, 0, 200, false, {}, {}},
        {100, std::nan(""), 0, 200, false, {}, {}},
        {100, 12.5, 200, 0, false, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "origin " << row.origin << " step " << row.step << " span "
                                        << row.first << ".." << row.last);
        const TickRuler ruler(row.origin, row.step, row.first, row.last);
        EXPECT_EQ(Positions(ruler.Ticks(row.skipOrigin)), row.ticks);
        EXPECT_EQ(Positions(ruler.Labels()), row.labels);
    }
}

// The second line of a major tick lies before it up to the origin, after
// it beyond; the index counts steps from the origin.
TEST(TickRuler, SecondLineAndIndex)
{
    const std::vector<Tick> ticks = TickRuler(100, 100, 0, 300).Ticks(false);
    ASSERT_EQ(ticks.size(), 4u);
    const int beside[] = {-1, 99, 201, 301};
    const long long index[] = {-1, 0, 1, 2};
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].beside, beside[i]);
        EXPECT_EQ(ticks[i].index, index[i]);
    }
}

// An origin far outside the window still gives a bounded, correct result.
TEST(TickRuler, FarOriginEnds)
{
    EXPECT_TRUE(TickRuler(4000000000000000000, 12.5, 0, 1000).Ticks(false).size() < 200);
    EXPECT_EQ(TickRuler(-4000000000, 100, 0, 1000).Labels().size(), 13u);
}

TEST(TickLabelText, Texts)
{
    struct Row { double value; LabelRounding rounding; const char* text; };
    const Row rows[] = {
        {2, LabelRounding::FiveDecimals, "2"},
        {-6, LabelRounding::FiveDecimals, "-6"},
        {0.25, LabelRounding::FiveDecimals, "0.25"},
        {1.0 / 3.0, LabelRounding::FiveDecimals, "0.33333"},
        {1.0 / 3.0, LabelRounding::None, "0.333333"},
        {0.1 + 0.2, LabelRounding::FiveDecimals, "0.3"},
        {-0.0, LabelRounding::None, "0"},
        {-0.0000001, LabelRounding::FiveDecimals, "0"},
        {-1234567.891, LabelRounding::FiveDecimals, "-1.23457e+06"},
        {1e20, LabelRounding::None, "1e+20"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TickLabelText(row.value, row.rounding), row.text) << row.value;
}

}  // namespace
