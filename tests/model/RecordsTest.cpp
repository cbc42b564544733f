// GraphItem, CoordSystem and ArgRange: ranges, comparisons, the precision
// list and the coordinate-system image.

#include "CoordSystem.h"
#include "GraphItem.h"
#include "GraphKind.h"
#include "PrecisionList.h"
#include "StringTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The application's default coordinate system: -40..40 both ways at 200,
// parametric 0..20, polar 0..4 pi.
CoordSystem AppDefault()
{
    CoordSystem cs;
    cs.left = -40;
    cs.top = 40;
    cs.right = 40;
    cs.bottom = -40;
    cs.precision = 200;
    cs.paramRange = {0, 20, 200};
    cs.polarTimesPi = true;
    cs.polarRange = {0, 4, 200};
    return cs;
}

GraphItem Graph(GraphKind kind, const char* expression, const char* expression2 = "")
{
    GraphItem item;
    item.kind = kind;
    item.expression = expression;
    item.expression2 = expression2;
    return item;
}

TEST(ComputeRange, ClipsOwnRangesOfScreenAxisKindsOnly)
{
    struct Row {
        GraphKind kind;
        ArgRange adv;
        bool advTimesPi;
        double from, to;
    } rows[] = {
        {KindYofX, {-100, 100, 400}, false, -40, 40},
        {KindYofX, {50, 60, 400}, false, 50, 50},     // right of the window: one point
        {KindYofX, {-60, -50, 400}, false, -40, -40}, // left of it
        {KindYofX, {-5, 5, 400}, false, -5, 5},
        {KindXofY, {-100, 30, 400}, false, -40, 30},
        {KindXofY, {-100, 100, 400}, true, -40 * kPi, 40 * kPi},  // pi after clipping
        {KindParametric, {-100, 100, 400}, false, -100, 100},
        {KindPolar, {0, 2, 400}, true, 0, 2 * kPi},
    };
    for (const Row& row : rows) {
        GraphItem item = Graph(row.kind, "x");
        item.useAdvanced = true;
        item.advTimesPi = row.advTimesPi;
        item.advRange = row.adv;
        item.ComputeRange(AppDefault());
        EXPECT_DOUBLE_EQ(item.range.from, row.from) << row.kind << " " << row.adv.from;
        EXPECT_DOUBLE_EQ(item.range.to, row.to) << row.kind << " " << row.adv.from;
        EXPECT_EQ(item.range.precision, 400);
    }
}

TEST(ComputeRange, ClipsAgainstStoredEdgesWithoutTheirPiFactor)
{
    CoordSystem cs = AppDefault();
    cs.xTimesPi = true;  // the window is -40 pi .. 40 pi, but the clip uses -40 .. 40
    GraphItem item = Graph(KindYofX, "x");
    item.useAdvanced = true;
    item.advRange = {-100, 100, 100};
    item.ComputeRange(cs);
    EXPECT_EQ(item.range.from, -40);
    EXPECT_EQ(item.range.to, 40);
}

TEST(ComputeRange, WithoutOwnRangeTakesTheKindDefault)
{
    struct Row {
        GraphKind kind;
        double from, to;
        int precision;
    } rows[] = {
        {KindYofX, -40, 40, 200},
        {KindXofY, -40, 40, 200},
        {KindParametric, 0, 20, 200},
        {KindPolar, 0, 12.566370614359172, 200},
    };
    for (const Row& row : rows) {
        GraphItem item = Graph(row.kind, "t");
        item.advRange = {1, 2, 3};  // ignored without useAdvanced
        item.ComputeRange(AppDefault());
        EXPECT_EQ(item.range.from, row.from) << row.kind;
        EXPECT_EQ(item.range.to, row.to) << row.kind;
        EXPECT_EQ(item.range.precision, row.precision) << row.kind;
    }
}

TEST(CoordSystem, UnknownKindsAndWorldRect)
{
    CoordSystem cs = AppDefault();
    cs.yTimesPi = true;
    ArgRange untouched{7, 8, 9};
    cs.GetKindRange(4, untouched);
    cs.GetKindRange(-1, untouched);
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
    struct Row {
        GraphItem a, b;
        bool differ;
    } rows[] = {
        {Graph(KindYofX, "x^2"), Graph(KindYofX, " x ^ 2 "), false},
        {Graph(KindYofX, "sin(x)+1"), Graph(KindYofX, "sin ( x )\t+\n1\r\v\f"), false},
        {Graph(KindYofX, "Sin(x)"), Graph(KindYofX, "sin(x)"), true},
        {Graph(KindYofX, "x"), Graph(KindXofY, "x"), true},
        {Graph(KindYofX, "x"), Graph(KindYofX, "x+"), true},
        {Graph(KindYofX, ""), Graph(KindYofX, "   "), false},
        {Graph(KindYofX, "x", "a"), Graph(KindYofX, "x", "b"), false},  // only parametric reads expression2
        {Graph(KindParametric, "t", "t^2"), Graph(KindParametric, "t", "t^3"), true},
        {Graph(KindParametric, "t", "t ^2"), Graph(KindParametric, "t", "t^ 2"), false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.a.ExpressionsDiffer(row.b), row.differ) << row.a.expression << " / " << row.b.expression;
        EXPECT_EQ(row.b.ExpressionsDiffer(row.a), row.differ) << row.a.expression << " / " << row.b.expression;
    }
}

TEST(GraphItem, DiffersOnEveryUserFieldButNotOnTheEffectiveRange)
{
    const GraphItem base = Graph(KindYofX, "x");
    void (*changes[])(GraphItem&) = {
        [](GraphItem& g) { g.expression = "y"; },
        [](GraphItem& g) { g.hidden = true; },
        [](GraphItem& g) { g.color = 0xFF; },
        [](GraphItem& g) { g.kind = KindPolar; },
        [](GraphItem& g) { g.useAdvanced = true; },
        [](GraphItem& g) { g.advTimesPi = true; },
        [](GraphItem& g) { g.advRange.from = 1; },
        [](GraphItem& g) { g.advRange.to = 1; },
        [](GraphItem& g) { g.advRange.precision = 1; },
    };
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

TEST(CoordSystem, DiffersOnEveryFieldAndIgnoresNothingElse)
{
    void (*changes[])(CoordSystem&) = {
        [](CoordSystem& c) { c.left = 0; },        [](CoordSystem& c) { c.top = 0; },
        [](CoordSystem& c) { c.right = 0; },       [](CoordSystem& c) { c.bottom = 0; },
        [](CoordSystem& c) { c.precision = 1; },   [](CoordSystem& c) { c.xTimesPi = true; },
        [](CoordSystem& c) { c.yTimesPi = true; }, [](CoordSystem& c) { c.paramTimesPi = true; },
        [](CoordSystem& c) { c.polarTimesPi = true; },
        [](CoordSystem& c) { c.paramRange.to = 5; },
        [](CoordSystem& c) { c.polarRange.precision = 5; },
    };
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
    cs.left = 1.5;
    cs.top = 2.5;
    cs.right = 3.5;
    cs.bottom = 4.5;
    cs.precision = 0x01020304;
    cs.yTimesPi = true;
    cs.paramRange = {5.5, 6.5, 0x11223344};
    cs.polarTimesPi = true;
    cs.polarRange = {7.5, 8.5, 0x55667788};
    const CoordSystem::Image image = cs.GetImage();

    const std::uint8_t head[] = {0x04, 0xD0, 0x42, 0x00, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(image.data(), head, sizeof head), 0);
    auto doubleAt = [&](size_t offset) {
        double value;
        std::memcpy(&value, image.data() + offset, 8);
        return value;
    };
    struct Field {
        size_t offset;
        double value;
    } doubles[] = {{8, 1.5}, {16, 2.5}, {24, 3.5}, {32, 4.5}, {48, 5.5}, {56, 6.5}, {80, 7.5}, {88, 8.5}};
    for (const Field& field : doubles)
        EXPECT_EQ(doubleAt(field.offset), field.value) << field.offset;
    struct Byte {
        size_t offset;
        std::uint8_t value;
    } bytes[] = {{40, 0x04}, {43, 0x01}, {44, 0}, {45, 1}, {46, 0}, {47, 0}, {64, 0x44}, {67, 0x11},
                 {68, 0}, {71, 0}, {72, 1}, {73, 0}, {79, 0}, {96, 0x88}, {99, 0x55}, {100, 0}, {103, 0}};
    for (const Byte& byte : bytes)
        EXPECT_EQ(image[byte.offset], byte.value) << byte.offset;

    CoordSystem back;
    back.SetFromImage(image);
    EXPECT_FALSE(back.Differs(cs));
}

TEST(CoordSystem, ImageReaderIgnoresTagReservedWordAndPadding)
{
    CoordSystem::Image image = CoordSystem().GetImage();
    for (size_t offset : {0, 1, 4, 7, 47, 68, 73, 79, 100, 103})
        image[offset] = 0xAB;
    image[45] = 7;  // any non-zero flag byte is set
    CoordSystem back;
    back.SetFromImage(image);
    CoordSystem expected;
    expected.yTimesPi = true;
    EXPECT_FALSE(back.Differs(expected));
}

TEST(PrecisionList, IndexesAndValues)
{
    const int precisions[] = {100, 200, 400, 800, 1600, 3200};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(PrecisionFromIndex(i), precisions[i]);
        EXPECT_EQ(IndexFromPrecision(precisions[i]), i);
    }
    for (int other : {0, -100, 300, 6400, 150})
        EXPECT_EQ(IndexFromPrecision(other), -1) << other;
}

TEST(GraphKind, StringIdsFollowTheirTables)
{
    struct Row {
        GraphKind kind;
        const char *label, *equation, *argumentLabel, *argument;
    } rows[] = {
        {KindYofX, "y = f ( x )", "y = %s", "x = ", "x"},
        {KindXofY, "x = f ( y )", "x = %s", "y = ", "y"},
        {KindParametric, "{ x = f ( t ) & y = g ( t ) }", "x = %s", "t = ", "t"},
        {KindPolar, "r = f ( t )", "r = %s", "t = ", "t"},
    };
    for (const Row& row : rows) {
        EXPECT_STREQ(LoadAppString(GraphKindLabelId(row.kind)), row.label);
        EXPECT_STREQ(LoadAppString(GraphKindEquationId(row.kind)), row.equation);
        EXPECT_STREQ(LoadAppString(GraphKindArgumentLabelId(row.kind)), row.argumentLabel);
        EXPECT_STREQ(GraphKindArgument(row.kind), row.argument);
    }
    EXPECT_FALSE(IsKnownGraphKind(-1));
    EXPECT_FALSE(IsKnownGraphKind(4));
}

}  // namespace
