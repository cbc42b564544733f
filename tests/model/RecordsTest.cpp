// GraphItem, CoordSystem and ArgRange: ranges, comparisons, the precision
// list and the coordinate-system image.

#include "GraphKind.h"
#include "ModelTest.h"
#include "PrecisionList.h"
#include "StringTable.h"

#include <cstring>

namespace {

// The kind's default range without an own range; with one, screen-axis
// kinds clip it to the edges as stored (without their pi factor) and an own
// pi factor applies after clipping.
TEST(ComputeRange, OwnRangesClipToStoredEdgesOnScreenAxisKindsOnly)
{
    CoordSystem cs = AppDefault();
    cs.xTimesPi = true;
    struct Row { GraphKind kind; bool useAdvanced, advTimesPi; ArgRange adv; double from, to; int precision; };
    const Row rows[] = {
        {KindYofX, false, false, {1, 2, 3}, -40 * kPi, 40 * kPi, 200},
        {KindXofY, false, false, {1, 2, 3}, -40, 40, 200},
        {KindParametric, false, false, {1, 2, 3}, 0, 20, 200},
        {KindPolar, false, false, {1, 2, 3}, 0, 4 * kPi, 200},
        {KindYofX, true, false, {-100, 100, 400}, -40, 40, 400},
        {KindYofX, true, false, {50, 60, 400}, 50, 50, 400},  // right of the window: one point
        {KindYofX, true, false, {-60, -50, 400}, -40, -40, 400},
        {KindXofY, true, false, {-100, 30, 400}, -40, 30, 400},
        {KindXofY, true, true, {-100, 100, 400}, -40 * kPi, 40 * kPi, 400},
        {KindParametric, true, false, {-100, 100, 800}, -100, 100, 800},
        {KindPolar, true, true, {0, 2, 400}, 0, 2 * kPi, 400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.kind << " from " << row.adv.from);
        GraphItem item = MakeGraph(row.kind, "t");
        item.useAdvanced = row.useAdvanced;
        item.advTimesPi = row.advTimesPi;
        item.advRange = row.adv;
        item.ComputeRange(cs);
        EXPECT_DOUBLE_EQ(item.range.from, row.from);
        EXPECT_DOUBLE_EQ(item.range.to, row.to);
        EXPECT_EQ(item.range.precision, row.precision);
    }
}

TEST(CoordSystem, UnknownKindsAndWorldRect)
{
    CoordSystem cs = AppDefault();
    cs.yTimesPi = true;
    ArgRange untouched{7, 8, 9};
    for (int kind : {-1, 4})
        cs.GetKindRange(kind, untouched);
    EXPECT_FALSE(untouched.Differs(ArgRange{7, 8, 9}));
    double left, top, right, bottom;
    cs.GetWorldRect(left, top, right, bottom);
    EXPECT_EQ(left, -40);
    EXPECT_EQ(right, 40);
    EXPECT_EQ(top, 40 * kPi);
    EXPECT_EQ(bottom, -40 * kPi);
}

TEST(GraphItem, ExpressionsDifferIgnoresWhiteSpaceButNotCase)
{
    const std::tuple<GraphItem, GraphItem, bool> rows[] = {
        {MakeGraph(KindYofX, "sin(x)+1"), MakeGraph(KindYofX, " sin ( x )\t+\n1\r\v\f"), false},
        {MakeGraph(KindYofX, "Sin(x)"), MakeGraph(KindYofX, "sin(x)"), true},
        {MakeGraph(KindYofX, "x"), MakeGraph(KindXofY, "x"), true},
        {MakeGraph(KindYofX, "x"), MakeGraph(KindYofX, "x+"), true},
        {MakeGraph(KindYofX, ""), MakeGraph(KindYofX, "   "), false},
        {MakeGraph(KindYofX, "x", "a"), MakeGraph(KindYofX, "x", "b"), false},  // only parametric reads it
        {MakeGraph(KindParametric, "t", "t^2"), MakeGraph(KindParametric, "t", "t^3"), true},
    };
    for (const auto& [a, b, differ] : rows) {
        SCOPED_TRACE(a.expression + " / " + b.expression);
        EXPECT_EQ(a.ExpressionsDiffer(b), differ);
        EXPECT_EQ(b.ExpressionsDiffer(a), differ);
    }
}

TEST(GraphItem, DiffersOnEveryUserFieldButNotOnTheEffectiveRange)
{
    const GraphItem base = MakeGraph(KindYofX, "x");
    void (*changes[])(GraphItem&) = {
        [](GraphItem& g) { g.expression = "y"; }, [](GraphItem& g) { g.hidden = true; },
        [](GraphItem& g) { g.color = 0xFF; }, [](GraphItem& g) { g.kind = KindPolar; },
        [](GraphItem& g) { g.useAdvanced = true; }, [](GraphItem& g) { g.advTimesPi = true; },
        [](GraphItem& g) { g.advRange.from = 1; }, [](GraphItem& g) { g.advRange.to = 1; },
        [](GraphItem& g) { g.advRange.precision = 1; }};
    for (size_t i = 0; i < std::size(changes); ++i) {
        GraphItem changed = base;
        changes[i](changed);
        EXPECT_TRUE(changed.Differs(base)) << "change " << i;
    }
    GraphItem ranged = base;
    ranged.range = {1, 2, 3};
    EXPECT_FALSE(ranged.Differs(base));
    EXPECT_TRUE(ranged.RangeDiffers(base));
}

TEST(CoordSystem, DiffersOnEveryField)
{
    void (*changes[])(CoordSystem&) = {
        [](CoordSystem& c) { c.left = 0; },        [](CoordSystem& c) { c.top = 0; },
        [](CoordSystem& c) { c.right = 0; },       [](CoordSystem& c) { c.bottom = 0; },
        [](CoordSystem& c) { c.precision = 1; },   [](CoordSystem& c) { c.xTimesPi = true; },
        [](CoordSystem& c) { c.yTimesPi = true; }, [](CoordSystem& c) { c.paramTimesPi = true; },
        [](CoordSystem& c) { c.polarTimesPi = true; },
        [](CoordSystem& c) { c.paramRange.to = 5; }, [](CoordSystem& c) { c.polarRange.precision = 5; }};
    for (size_t i = 0; i < std::size(changes); ++i) {
        CoordSystem changed;
        changes[i](changed);
        EXPECT_TRUE(changed.Differs(CoordSystem())) << "change " << i;
    }
    EXPECT_FALSE(CoordSystem().Differs(CoordSystem()));
}

TEST(CoordSystem, ImageHasTheStoredLayout)
{
    CoordSystem cs;
    cs.left = 1.5, cs.top = 2.5, cs.right = 3.5, cs.bottom = 4.5;
    cs.precision = 0x01020304;
    cs.yTimesPi = cs.polarTimesPi = true;
    cs.paramRange = {5.5, 6.5, 0x11223344};
    cs.polarRange = {7.5, 8.5, 0x55667788};
    const CoordSystem::Image image = cs.GetImage();

    EXPECT_EQ(std::memcmp(image.data(), "\x04\xD0\x42\x00\x00\x00\x00\x00", 8), 0);
    const std::pair<size_t, double> doubles[] = {{8, 1.5},  {16, 2.5}, {24, 3.5}, {32, 4.5},
                                                 {48, 5.5}, {56, 6.5}, {80, 7.5}, {88, 8.5}};
    for (auto [offset, value] : doubles) {
        double stored;
        std::memcpy(&stored, image.data() + offset, 8);
        EXPECT_EQ(stored, value) << offset;
    }
    const std::pair<size_t, std::uint8_t> bytes[] = {
        {40, 0x04}, {43, 0x01}, {44, 0}, {45, 1}, {46, 0}, {47, 0}, {64, 0x44}, {67, 0x11}, {68, 0},
        {71, 0},    {72, 1},    {73, 0}, {79, 0}, {96, 0x88}, {99, 0x55}, {100, 0}, {103, 0}};
    for (auto [offset, value] : bytes)
        EXPECT_EQ(image[offset], value) << offset;

    // The reader ignores the tag, the reserved word and the padding, and
    // takes any non-zero flag byte as set.
    CoordSystem::Image damaged = image;
    for (size_t offset : {0, 1, 4, 7, 47, 68, 73, 79, 100, 103})
        damaged[offset] = 0xAB;
    damaged[45] = 7;
    CoordSystem back;
    back.SetFromImage(damaged);
    EXPECT_FALSE(back.Differs(cs));
}

TEST(PrecisionList, IndexesAndValues)
{
    const int precisions[] = {100, 200, 400, 800, 1600, 3200};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(PrecisionFromIndex(i), precisions[i]);
        EXPECT_EQ(IndexFromPrecision(precisions[i]), i);
    }
    for (int other : {0, -100, 300, 6400})
        EXPECT_EQ(IndexFromPrecision(other), -1) << other;
}

TEST(GraphKind, StringIdsFollowTheirTables)
{
    struct Row { GraphKind kind; const char *label, *equation, *argumentLabel, *argument; };
    const Row rows[] = {
        {KindYofX, "y = f ( x )", "y = %s", "x = ", "x"},
        {KindXofY, "x = f ( y )", "x = %s", "y = ", "y"},
        {KindParametric, "{ x = f ( t ) & y = g ( t ) }", "x = %s", "t = ", "t"},
        {KindPolar, "r = f ( t )", "r = %s", "t = ", "t"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        EXPECT_STREQ(LoadAppString(GraphKindLabelId(row.kind)), row.label);
        EXPECT_STREQ(LoadAppString(GraphKindEquationId(row.kind)), row.equation);
        EXPECT_STREQ(LoadAppString(GraphKindArgumentLabelId(row.kind)), row.argumentLabel);
        EXPECT_STREQ(GraphKindArgument(row.kind), row.argument);
    }
    EXPECT_FALSE(IsKnownGraphKind(-1));
    EXPECT_FALSE(IsKnownGraphKind(4));
}

}  // namespace
