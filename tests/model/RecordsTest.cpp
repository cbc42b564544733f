// GraphItem ranges and the coordinate system's stored image.

#include "ModelTest.h"

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
        {KindXofY, true, true, {-100, 100, 400}, -40 * kPi, 40 * kPi, 400},
        {KindParametric, true, false, {-100, 100, 800}, -100, 100, 800},
        {KindPolar, true, true, {0, 2, 400}, 0, 2 * kPi, 400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.kind << " from " << row.adv.from);
        GraphItem item = MakeGraph(row.kind, "t");
        item.useAdvanced = row.useAdvanced, item.advTimesPi = row.advTimesPi, item.advRange = row.adv;
        item.ComputeRange(cs);
        EXPECT_DOUBLE_EQ(item.range.from, row.from);
        EXPECT_DOUBLE_EQ(item.range.to, row.to);
        EXPECT_EQ(item.range.precision, row.precision);
    }
}

// Every field at its own offset; the reader ignores the tag, the reserved
// word and the padding, and takes any non-zero flag byte as set.
TEST(CoordSystem, ImageHasTheStoredLayout)
{
    CoordSystem cs;
    cs.left = 1.5, cs.top = 2.5, cs.right = 3.5, cs.bottom = 4.5, cs.precision = 0x01020304;
    cs.yTimesPi = cs.polarTimesPi = true;
    cs.paramRange = {5.5, 6.5, 0x11223344}, cs.polarRange = {7.5, 8.5, 0x55667788};
    const CoordSystem::Image image = cs.GetImage();
    EXPECT_EQ(std::memcmp(image.data(), "\x04\xD0\x42\x00\x00\x00\x00\x00", 8), 0);
    const std::pair<size_t, double> doubles[] = {{8, 1.5},  {16, 2.5}, {24, 3.5}, {32, 4.5},
                                                 {48, 5.5}, {56, 6.5}, {80, 7.5}, {88, 8.5}};
    for (auto [offset, value] : doubles)
        EXPECT_EQ(std::memcmp(image.data() + offset, &value, 8), 0) << offset;
    const std::pair<size_t, std::uint8_t> bytes[] = {
        {40, 0x04}, {43, 0x01}, {44, 0}, {45, 1}, {46, 0}, {47, 0}, {64, 0x44}, {67, 0x11}, {68, 0},
        {71, 0},    {72, 1},    {73, 0}, {79, 0}, {96, 0x88}, {99, 0x55}, {100, 0}, {103, 0}};
    for (auto [offset, value] : bytes)
        EXPECT_EQ(image[offset], value) << offset;

    CoordSystem::Image damaged = image;
    for (size_t offset : {0, 1, 4, 7, 47, 68, 73, 79, 100, 103})
        damaged[offset] = 0xAB;
    damaged[45] = 7;
    CoordSystem back;
    back.SetFromImage(damaged);
    EXPECT_FALSE(back.Differs(cs));
}

}  // namespace
