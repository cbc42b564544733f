// The coverage of smooth lines: the values across a line, joins as dark as
// straight stretches, and the same values whatever the clip, the order or
// the split of the segments.

#include "view/geometry/StrokeMask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace {

struct Segment {
    double x0, y0, x1, y1;
};

using Coverage = std::map<std::pair<int, int>, int>;

// Every covered pixel of the segments over the clip, and checks that the
// mask is empty afterwards.
Coverage Cover(const PixelRect& clip, double halfWidth, const std::vector<Segment>& segments)
{
    StrokeMask mask(clip, halfWidth);
    for (const Segment& s : segments)
        mask.AddSegment(s.x0, s.y0, s.x1, s.y1);
    Coverage covered;
    const auto collect = [&](int x, int y, const std::uint8_t* values, int count) {
        for (int i = 0; i < count; ++i) {
            const int value = values[i];
            EXPECT_GE(x + i, clip.left);
            EXPECT_LT(x + i, clip.right);
            EXPECT_GE(y, clip.top);
            EXPECT_LT(y, clip.bottom);
            if (value)
                covered[{x + i, y}] = value;
        }
    };
    mask.Drain(collect);
    int later = 0;
    mask.Drain([&](int, int, const std::uint8_t*, int) { ++later; });
    EXPECT_EQ(later, 0);
    return covered;
}

int At(const Coverage& covered, int x, int y)
{
    const auto found = covered.find({x, y});
    return found == covered.end() ? 0 : found->second;
}

Coverage Within(const Coverage& covered, const PixelRect& rect)
{
    Coverage inside;
    for (const auto& [pixel, value] : covered) {
        if (pixel.first >= rect.left && pixel.first < rect.right && pixel.second >= rect.top
            && pixel.second < rect.bottom)
            inside[pixel] = value;
    }
    return inside;
}

constexpr PixelRect kClip{0, 0, 64, 48};

}  // namespace

// A horizontal line through the middle of row 20 (y = 20.5): the rows beside
// it get what their centres' distance leaves of the line's reach.
TEST(StrokeMask, CoversAcrossTheLineByDistance)
{
    struct Case {
        double halfWidth;
        std::vector<int> rows;  // coverage of rows 20, 21, 22, 23 in the line's middle
        int end;                // 1.5 pixels beyond either end
        int diagonal;           // 1.5 beyond the end and 1 beside the line
    };
    const Case cases[] = {
        {0.5, {255, 0, 0, 0}, 0, 0},
        {1.0, {255, 128, 0, 0}, 0, 0},
        {1.5, {255, 255, 0, 0}, 128, 50},
        {2.0, {255, 255, 128, 0}, 255, 178},
        {3.0, {255, 255, 255, 128}, 255, 255},
        {0.1, {255, 0, 0, 0}, 0, 0},  // never thinner than a pixel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.halfWidth);
        const Coverage covered = Cover(kClip, c.halfWidth, {{10, 20.5, 50, 20.5}});
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(At(covered, 30, 20 + i), c.rows[i]) << "row " << 20 + i;
            EXPECT_EQ(At(covered, 30, 20 - i), c.rows[i]) << "row " << 20 - i;
        }
        // Round ends.
        EXPECT_EQ(At(covered, 51, 20), c.end);
        EXPECT_EQ(At(covered, 8, 20), c.end);
        EXPECT_EQ(At(covered, 51, 21), c.diagonal);
        EXPECT_EQ(At(covered, 8, 19), c.diagonal);
    }
}

// The same line drawn whole, in pieces, backwards, twice, or with a dot on
// it covers the same pixels with the same values: no darker joins, no seams.
TEST(StrokeMask, JoinsAndRepeatsLeaveTheValuesAlone)
{
    const std::vector<Segment> whole{{3.2, 5.7, 40.9, 33.1}};
    const std::vector<std::vector<Segment>> same{
        {{3.2, 5.7, 22.05, 19.4}, {22.05, 19.4, 40.9, 33.1}},
        {{40.9, 33.1, 3.2, 5.7}},
        {{3.2, 5.7, 40.9, 33.1}, {3.2, 5.7, 40.9, 33.1}},
        {{3.2, 5.7, 40.9, 33.1}, {22.05, 19.4, 22.05, 19.4}},
    };
    for (const double halfWidth : {0.5, 1.0, 1.5}) {
        const Coverage expected = Cover(kClip, halfWidth, whole);
        for (const auto& segments : same)
            EXPECT_EQ(Cover(kClip, halfWidth, segments), expected) << halfWidth;
    }
}

// A corner is exactly as dark as the straight line: the pixel on the corner
// point is full, and no pixel is covered beyond the reach of either leg.
TEST(StrokeMask, CornersAreNotDarker)
{
    const Coverage corner = Cover(kClip, 1.0, {{10.5, 30.5, 30.5, 10.5}, {30.5, 10.5, 50.5, 30.5}});
    EXPECT_EQ(At(corner, 30, 10), 255);
    const Coverage left = Cover(kClip, 1.0, {{10.5, 30.5, 30.5, 10.5}});
    const Coverage right = Cover(kClip, 1.0, {{30.5, 10.5, 50.5, 30.5}});
    for (const auto& [pixel, value] : corner)
        EXPECT_EQ(value, std::max(At(left, pixel.first, pixel.second), At(right, pixel.first, pixel.second)));
}

// A band drawn again shows what the whole picture shows there, whatever the
// band's edges cut; lines from far outside (or not finite) cost nothing.
TEST(StrokeMask, ABandMatchesTheWholePicture)
{
    const std::vector<Segment> curve{
        {-5, 40, 7.5, 3.2},   {7.5, 3.2, 9.5, 44.75}, {9.5, 44.75, 30.25, 44.75}, {30.25, 44.75, 61, -9},
        {61, -9, 70, 20},     {12, 12, 12, 12},       {33.3, 7.7, 33.3, 7.7},
    };
    const PixelRect bands[] = {{0, 0, 9, 48}, {8, 0, 20, 48}, {0, 40, 64, 48}, {29, 0, 31, 48}, {5, 5, 60, 43}};
    for (const double halfWidth : {0.5, 1.0, 1.5, 2.0}) {
        const Coverage whole = Cover(kClip, halfWidth, curve);
        for (const PixelRect& band : bands)
            EXPECT_EQ(Cover(band, halfWidth, curve), Within(whole, band)) << halfWidth << " " << band.left;
    }
    const double huge = 2e9;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Coverage far = Cover(kClip, 1.0, {{20.5, -huge, 20.5, huge}, {-huge, -huge, huge, huge}, {nan, 1, 2, 3},
                                            {-huge, 100, huge, 100}});
    const Coverage near = Cover(kClip, 1.0, {{20.5, -10, 20.5, 60}, {-10, -10, 60, 60}});
    EXPECT_EQ(far, near);
    EXPECT_TRUE(Cover({5, 5, 5, 30}, 1.0, {{0, 0, 40, 40}}).empty());
}
