// What the worker stores for each kind: sample counts, argument coordinates,
// scaled values and markers.

#include "ComputationFixture.h"
#include "PointScale.h"
#include "RoundToDecimals.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Sampling = ComputationFixture;

TEST_F(Sampling, ArgumentCoordinatesOfYofX)
{
    struct Case {
        double from, to;
        int precision;
        int count;
        int firstX, lastX;
    } const cases[] = {
        {-1, 1, 100, 201, -400, 400},
        {0.015, 1, 100, 100, 4, 400},  // starts at the multiple below from: 0.01
        {-0.015, 0.015, 200, 7, -12, 12},
        {2, 2, 3200, 1, 25600, 25600},
    };
    for (const Case& c : cases) {
        doc.RemoveAllGraphs();
        AddRanged("x", c.from, c.to, c.precision);
        ASSERT_TRUE(Refresh());
        const GraphPoints& slot = Slot(0);
        ASSERT_EQ(slot.count, c.count) << c.from;
        EXPECT_TRUE(slot.complete);
        EXPECT_EQ(slot.points[0].x, c.firstX);
        EXPECT_EQ(slot.points[c.count - 1].x, c.lastX);
        for (int k = 0; k < c.count; ++k) {
            ASSERT_EQ(slot.points[k].x, c.firstX + 4 * k) << c.from << " k " << k;
            ASSERT_EQ(slot.points[k].y, slot.points[k].x) << c.from << " k " << k;
        }
    }
}

TEST_F(Sampling, XofYStoresTheArgumentInY)
{
    AddRanged("2y", -1, 1, 100, KindXofY);
    ASSERT_TRUE(Refresh());
    const GraphPoints& slot = Slot(0);
    ASSERT_EQ(slot.count, 201);
    EXPECT_EQ(slot.points[0].y, -400);
    EXPECT_EQ(slot.points[0].x, -800);
    EXPECT_EQ(slot.points[200].y, 400);
    EXPECT_EQ(slot.points[200].x, 800);
}

TEST_F(Sampling, ValuesThatAreNotPositionsBecomeMarkers)
{
    struct Case {
        const char* expression;
        std::int32_t y;
    } const cases[] = {
        {"sqrt(-1)", POINT_UNDEFINED},
        {"1/0", POINT_UNDEFINED},
        {"ln(0)", POINT_UNDEFINED},
        {"10^300", POINT_ABOVE},
        {"-10^300", POINT_BELOW},
        {"0.00125", 1},     // 200 * 0.00125 * 4 = 1
        {"0.003125", 2},    // 2.5: the half goes toward zero
        {"-0.003125", -2},
    };
    doc.coordSystem.precision = 200;
    for (const Case& c : cases) {
        doc.RemoveAllGraphs();
        Add(c.expression);
        ASSERT_TRUE(Refresh());
        const GraphPoints& slot = Slot(0);
        ASSERT_EQ(slot.count, 16001);
        EXPECT_EQ(slot.points[0].y, c.y) << c.expression;
        EXPECT_EQ(slot.points[16000].y, c.y) << c.expression;
        EXPECT_EQ(slot.points[16000].x, 32000) << c.expression;
    }
}

TEST_F(Sampling, ScalingNeverOverflows)
{
    struct Case {
        double w;
        std::int32_t stored;
    } const cases[] = {
        {2147483647.0 / 4, 2147483647},
        {-2147483647.0 / 4, -2147483647},
        {2147483648.0 / 4, POINT_ABOVE},
        {-2147483648.0 / 4, POINT_BELOW},
        {2.5 / 4, 2},
        {-2.5 / 4, -2},
        {2.75 / 4, 3},
        {INFINITY, POINT_ABOVE},
        {-INFINITY, POINT_BELOW},
        {NAN, POINT_UNDEFINED},
        {1e308, POINT_ABOVE},
        {-0.0, 0},
    };
    const PointScale scale(1);  // four stored units a world unit
    for (const Case& c : cases)
        EXPECT_EQ(scale.Scale(c.w), c.stored) << c.w;
}

TEST_F(Sampling, ParametricWithOneUndefinedHalfMarksBoth)
{
    GraphItem* item = Add("t", KindParametric, "sqrt(t)");
    item->useAdvanced = true;
    item->advRange = {-1, 1, 100};
    ASSERT_TRUE(Refresh());
    const GraphPoints& slot = Slot(0);
    ASSERT_EQ(slot.count, 201);
    for (int k : {0, 50, 99}) {
        EXPECT_EQ(slot.points[k].x, POINT_UNDEFINED) << k;
        EXPECT_EQ(slot.points[k].y, POINT_UNDEFINED) << k;
    }
    EXPECT_EQ(slot.points[100].x, 0);
    EXPECT_EQ(slot.points[200].x, 400);
    EXPECT_EQ(slot.points[200].y, 400);
}

TEST_F(Sampling, PolarPointsLieOnTheCurve)
{
    doc.coordSystem.polarTimesPi = false;
    doc.coordSystem.polarRange = {0, 6, 100};
    Add("2", KindPolar);
    ASSERT_TRUE(Refresh());
    const GraphPoints& slot = Slot(0);
    ASSERT_EQ(slot.count, 601);
    EXPECT_EQ(slot.points[0].x, 800);
    EXPECT_EQ(slot.points[0].y, 0);
    for (int k = 0; k < slot.count; k += 37) {
        const double radius = std::hypot(slot.points[k].x, slot.points[k].y);
        EXPECT_NEAR(radius, 800, 1.0) << k;
        EXPECT_NEAR(std::atan2(slot.points[k].y, slot.points[k].x),
                    std::remainder(k / 100.0, 2 * std::numbers::pi), 2e-3) << k;
    }
}

// A file may hold a graph range that, times pi, reaches beyond 32 bits of
// scaled argument: the argument coordinates become markers.
TEST_F(Sampling, ArgumentBeyondThirtyTwoBitsIsAMarker)
{
    doc.coordSystem.left = 4e6;
    doc.coordSystem.right = 5e6;
    doc.coordSystem.precision = 100;
    GraphItem* item = AddRanged("1", 5e6 - 0.02, 5e6, 100);
    item->advTimesPi = true;
    ASSERT_TRUE(Refresh());
    const GraphPoints& slot = Slot(0);
    ASSERT_GE(slot.count, 6);
    for (int k = 0; k < slot.count; ++k) {
        EXPECT_EQ(slot.points[k].x, POINT_ABOVE);
        EXPECT_EQ(slot.points[k].y, 400);
    }
}

TEST(GraphPointsTest, CountsAndArguments)
{
    struct Case {
        ArgRange range;
        double count;
    } const cases[] = {
        {{-1, 1, 100}, 201},
        {{0.015, 1, 100}, 100},
        {{1, -1, 100}, 0},
        {{0, 1e12, 3200}, 3.2e15 + 1},
        {{0, 1, 0}, INFINITY},
        {{-INFINITY, 1, 100}, INFINITY},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphPoints::SampleCount(c.range), c.count) << c.range.from << " " << c.range.to;

    GraphPoints slot;
    slot.source.range = {0.015, 1, 100};
    slot.UpdatePointCount();
    EXPECT_EQ(slot.count, 100);
    EXPECT_DOUBLE_EQ(slot.ArgumentAt(0), 0.01);
    EXPECT_DOUBLE_EQ(slot.ArgumentAt(99), 1.0);
    EXPECT_EQ(slot.IndexOfArgument(0.505), 49);
    EXPECT_EQ(slot.IndexOfArgument(0.01), 0);
    EXPECT_EQ(slot.IndexOfArgument(1e300), 2147483647);
    EXPECT_EQ(slot.IndexOfArgument(NAN), -2147483647 - 1);

    slot.source.range = {0, 1e12, 3200};
    slot.UpdatePointCount();
    EXPECT_EQ(slot.count, 2147483647);
}

}  // namespace
