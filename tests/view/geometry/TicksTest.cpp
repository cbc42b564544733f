// Grid and tick spacing, tick positions over a painted span, label texts.

#include "view/geometry/TickLabelText.h"
#include "view/geometry/TickRuler.h"
#include "view/geometry/TickSpacing.h"

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
    // Any zoom a document can hold gives ticks 10 to 20 pixels apart and
    // labels at least 100 apart; a zoom that is not positive gives none.
    for (int zoom : {1, 7, 123456789, std::numeric_limits<int>::max()}) {
        for (bool timesPi : {false, true}) {
            const TickSpacing spacing(zoom, timesPi);
            EXPECT_TRUE(spacing.MinorPixels() >= 10 && spacing.MinorPixels() < 20 && spacing.LabelPixels() >= 100)
                << zoom;
        }
    }
    EXPECT_FALSE(TickSpacing(0, false).IsUsable());
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
// painted span on each side; far origins end.
TEST(TickRuler, TicksAndLabelsOverThePaintedSpan)
{
    struct Row { long long origin; double step; int first, last; std::vector<int> ticks, labels; };
    const Row rows[] = {
        {100, 12.5, 60, 140, {62, 75, 87, 112, 125, 137}, {50, 62, 75, 87, 100, 112, 125, 137, 150}},
        {100, 100, 150, 160, {}, {100, 200}},
        {95, 100, -10, 10, {}, {-105, -5, 95}},
        {-250, 100, 0, 201, {50, 150}, {-50, 50, 150, 250}},
        {100, 0, 0, 200, {}, {}},
        {100, std::nan(""), 0, 200, {}, {}},
        {100, 12.5, 200, 0, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.origin << " step " << row.step << " span " << row.first);
        const TickRuler ruler(row.origin, row.step, row.first, row.last);
        EXPECT_EQ(Positions(ruler.Ticks(true)), row.ticks);
        EXPECT_EQ(Positions(ruler.Labels()), row.labels);
    }
    EXPECT_LT(TickRuler(4000000000000000000, 12.5, 0, 1000).Ticks(false).size(), 200u);
    EXPECT_EQ(TickRuler(-4000000000, 100, 0, 1000).Labels().size(), 13u);
}

TEST(TickLabelText, Texts)
{
    struct Row { double value; LabelRounding rounding; const char* text; };
    const Row rows[] = {
        {-6, LabelRounding::FiveDecimals, "-6"},
        {1.0 / 3.0, LabelRounding::None, "0.333333"},
        {0.1 + 0.2, LabelRounding::FiveDecimals, "0.3"},
        {-0.0, LabelRounding::None, "0"},
        {-0.0000001, LabelRounding::FiveDecimals, "0"},
        {-1234567.891, LabelRounding::FiveDecimals, "-1.23457e+06"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TickLabelText(row.value, row.rounding), row.text) << row.value;
}

}  // namespace
