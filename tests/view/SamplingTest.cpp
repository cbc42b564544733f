// What the worker stores: sample counts, argument coordinates, markers.

#include "view/PointScale.h"
#include "ViewTestSupport.h"

#include <cmath>

namespace {

using Sampling = ComputationFixture;

TEST_F(Sampling, CountsAndArgumentCoordinates)
{
    struct Case {
        ArgRange range;
        int count;
        int firstX;
    } const cases[] = {
        {{-1, 1, 100}, 201, -400},
        {{0.015, 1, 100}, 100, 4},  // starts at the multiple below from: 0.01
        {{-0.015, 0.015, 200}, 7, -12},
        {{2, 2, 3200}, 1, 25600},
    };
    for (const Case& c : cases) {
        m_doc.RemoveAllGraphs();
        Add("x", KindYofX, c.range);
        ASSERT_TRUE(Refresh(m_sink));
        const GraphPoints& slot = Slot(0);
        ASSERT_EQ(slot.count, c.count) << c.range.from;
        EXPECT_TRUE(slot.complete);
        for (int k = 0; k < c.count; ++k) {
            ASSERT_EQ(slot.points[k].x, c.firstX + 4 * k) << c.range.from << " " << k;
            ASSERT_EQ(slot.points[k].y, slot.points[k].x) << k;
        }
    }
    // x = f(y) stores the argument in y.
    m_doc.RemoveAllGraphs();
    Add("2y", KindXofY, {-1, 1, 100});
    ASSERT_TRUE(Refresh(m_sink));
    EXPECT_EQ(Slot(0).points[200].y, 400);
    EXPECT_EQ(Slot(0).points[200].x, 800);
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
    };
    m_doc.coordSystem.precision = 200;
    for (const Case& c : cases) {
        m_doc.RemoveAllGraphs();
        Add(c.expression);
        ASSERT_TRUE(Refresh(m_sink));
        ASSERT_EQ(Slot(0).count, 16001);
        EXPECT_EQ(Slot(0).points[0].y, c.y) << c.expression;
        EXPECT_EQ(Slot(0).points[16000].y, c.y) << c.expression;
    }
}

TEST(PointScaleTest, ScalingNeverOverflows)
{
    struct Case {
        double w;
        std::int32_t stored;
    } const cases[] = {
        {2147483647.0 / 4, 2147483647},
        {2147483648.0 / 4, POINT_ABOVE},
        {-2147483648.0 / 4, POINT_BELOW},
        {-2.5 / 4, -2},  // the half goes toward zero
        {2.75 / 4, 3},
        {INFINITY, POINT_ABOVE},
        {-INFINITY, POINT_BELOW},
        {NAN, POINT_UNDEFINED},
    };
    const PointScale scale(1);  // four stored units a world unit
    for (const Case& c : cases)
        EXPECT_EQ(scale.Scale(c.w), c.stored) << c.w;
}

TEST_F(Sampling, ParametricWithOneUndefinedHalfMarksBoth)
{
    Add("t", KindParametric, {-1, 1, 100}, "sqrt(t)");
    ASSERT_TRUE(Refresh(m_sink));
    const GraphPoints& slot = Slot(0);
    ASSERT_EQ(slot.count, 201);
    for (int k : {0, 99}) {
        EXPECT_EQ(slot.points[k].x, POINT_UNDEFINED) << k;
        EXPECT_EQ(slot.points[k].y, POINT_UNDEFINED) << k;
    }
    EXPECT_EQ(slot.points[200].x, 400);
    EXPECT_EQ(slot.points[200].y, 400);
}

TEST_F(Sampling, PolarPointsLieOnTheCurve)
{
    m_doc.coordSystem.polarTimesPi = false;
    m_doc.coordSystem.polarRange = {0, 6, 100};
    Add("2", KindPolar);
    ASSERT_TRUE(Refresh(m_sink));
    const GraphPoints& slot = Slot(0);
    ASSERT_EQ(slot.count, 601);
    for (int k = 0; k < slot.count; k += 37) {
        EXPECT_NEAR(slot.points[k].x, 800 * std::cos(k / 100.0), 1.0) << k;
        EXPECT_NEAR(slot.points[k].y, 800 * std::sin(k / 100.0), 1.0) << k;
    }
}

TEST(GraphPointsTest, CountsAndIndicesSaturate)
{
    struct Case {
        ArgRange range;
        double count;
    } const cases[] = {
        {{1, -1, 100}, 0},
        {{0, 1, 0}, INFINITY},
        {{-INFINITY, 1, 100}, INFINITY},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphPoints::SampleCount(c.range), c.count) << c.range.from << " " << c.range.to;

    GraphPoints slot;
    slot.source.range = {0.015, 1, 100};
    slot.UpdatePointCount();
    EXPECT_EQ(slot.IndexOfArgument(0.505), 49);
    EXPECT_EQ(slot.IndexOfArgument(1e300), 2147483647);
    EXPECT_EQ(slot.IndexOfArgument(NAN), -2147483647 - 1);
    slot.source.range = {0, 1e12, 3200};
    slot.UpdatePointCount();
    EXPECT_EQ(slot.count, 2147483647);
}

}  // namespace
