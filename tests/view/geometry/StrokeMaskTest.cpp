// The coverage of smooth lines: the values across a line, joins as dark as
// straight stretches, and the same values whatever the clip, the order or
// the split of the segments.

#include "view/geometry/StraightRun.h"
#include "view/geometry/StrokeMask.h"
#include "view/geometry/WedgeBounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
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

// The segments of a line through the points.
std::vector<Segment> Line(const std::vector<std::pair<double, double>>& points)
{
    std::vector<Segment> segments;
    for (std::size_t i = 1; i < points.size(); ++i)
        segments.push_back({points[i - 1].first, points[i - 1].second, points[i].first, points[i].second});
    return segments;
}

// The coverage from the distance to the nearest segment, worked out for
// every pixel of the clip in double precision.
Coverage Expected(const PixelRect& clip, double halfWidth, const std::vector<Segment>& segments)
{
    const double reach = std::max(halfWidth, 0.5) + 0.5;
    Coverage expected;
    for (int y = clip.top; y < clip.bottom; ++y) {
        for (int x = clip.left; x < clip.right; ++x) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const Segment& s : segments) {
                const double dx = s.x1 - s.x0;
                const double dy = s.y1 - s.y0;
                const double px = x + 0.5 - s.x0;
                const double py = y + 0.5 - s.y0;
                const double squared = dx * dx + dy * dy;
                const double t = squared > 0 ? std::clamp((px * dx + py * dy) / squared, 0.0, 1.0) : 0.0;
                nearest = std::min(nearest, std::hypot(px - t * dx, py - t * dy));
            }
            const int value = static_cast<int>(std::clamp(reach - nearest, 0.0, 1.0) * 255 + 0.5);
            if (value)
                expected[{x, y}] = value;
        }
    }
    return expected;
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

// Every pixel gets the coverage of its distance from the nearest segment, to
// rounding: at sharp and slight turns, on both sides of a turn, at reversals,
// along runs of equal steps and across the clip's edges.
TEST(StrokeMask, EveryPixelFollowsTheNearestSegment)
{
    const std::vector<std::vector<std::pair<double, double>>> lines{
        {{-3, 20}, {9, 20}, {11, 22}, {13, 22}, {15, 24}, {17, 24}, {19, 24}, {21, 26}, {23, 34}, {25, 40}},
        {{4, 4}, {30, 40}, {31, 4}, {50, 41}, {50.5, 3}, {70, 20}},
        {{10.3, 5.1}, {20.7, 9.9}, {28.2, 18.4}, {31.9, 29.6}, {29.4, 38.8}, {21.1, 43.3}, {12.6, 38.2}},
        {{32, 24}, {32, 24}, {40, 24}, {40, 24}, {40, 30}, {33.25, 30}, {33.25, 24.75}},
        {{60, 10}, {8, 11}, {60, 12}},
        // Sharp turns whose corners meet a segment's end exactly on a pixel.
        {{8.5, 34.25}, {13.25, 35}, {10.75, 32.5}, {7.5, 36}, {11.75, 31.5}, {10, 26.5}, {13, 30.75},
         {11.25, 26.5}, {16.25, 29.75}, {14.75, 30.25}, {13.25, 28}, {9.5, 24.25}, {10.25, 23}},
    };
    for (const double halfWidth : {0.5, 1.0, 2.0, 2.5, 3.5}) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "line " << i << ", half width " << halfWidth);
            const std::vector<Segment> segments = Line(lines[i]);
            const Coverage covered = Cover(kClip, halfWidth, segments);
            const Coverage expected = Expected(kClip, halfWidth, segments);
            int apart = 0;
            for (int y = kClip.top; y < kClip.bottom; ++y) {
                for (int x = kClip.left; x < kClip.right; ++x)
                    apart += std::abs(At(covered, x, y) - At(expected, x, y)) > 1;
            }
            EXPECT_EQ(apart, 0);
        }
    }
}

// Segments that go on in the same direction give the values of one long
// segment, and the values along the line do not depend on where the line
// starts, so a band that starts the line later matches the whole picture.
TEST(StrokeMask, StraightStretchesAreOneLineWhereverTheyStart)
{
    struct Case {
        double x, y;    // start
        double dx, dy;  // one step
    };
    const Case cases[] = {
        {-2, 20.5, 2, 0},  {30.25, -3, 0, 2},   {-1, -1, 2, 2},     {0.5, 46, 2, -2},
        {-2, 44, 1.5, -2}, {-4.75, 3, 2, 1.5}, {1.1, 2.3, 2.6, 1.7},
    };
    constexpr int kSteps = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i <= kSteps; ++i)
            points.push_back({c.x + i * c.dx, c.y + i * c.dy});
        const std::vector<Segment> steps = Line(points);
        const Segment whole{c.x, c.y, points.back().first, points.back().second};
        for (const double halfWidth : {1.0, 1.5, 2.0}) {
            const Coverage covered = Cover(kClip, halfWidth, steps);
            EXPECT_EQ(covered, Cover(kClip, halfWidth, {whole}));
            // From the fifth step on, the pixels beyond the new start's reach.
            const std::vector<Segment> later(steps.begin() + 5, steps.end());
            const double startX = points[5].first;
            const PixelRect beyond = c.dx > 0 ? PixelRect{static_cast<int>(startX) + 5, 0, 64, 48}
                                              : PixelRect{0, static_cast<int>(points[5].second) + 5, 64, 48};
            EXPECT_EQ(Within(Cover(kClip, halfWidth, later), beyond), Within(covered, beyond));
            EXPECT_EQ(Cover(beyond, halfWidth, later), Within(covered, beyond));
        }
    }
}

// The part of a disc behind two directions: a dot's whole disc, the half
// disc at a line's end, the quarter behind a right angle, the thin strip
// between two segments that go straight on, and a sharp turn's tip reaching
// past the corner.
TEST(StrokeMask, CornerWedgeBounds)
{
    constexpr double kRadius = 2.0;
    constexpr double kSlack = 0.01;
    const double turn = std::sqrt(0.5);
    struct Case {
        double ax, ay, bx, by;
        double left, top, right, bottom;
    };
    const double edge = std::sqrt(kRadius * kRadius - kSlack * kSlack);  // from the crossing to the circle
    const Case cases[] = {
        {0, 0, 0, 0, -2, -2, 2, 2},
        {1, 0, 0, 0, -2, -2, kSlack, 2},
        {1, 0, 0, 1, -2, -2, kSlack, kSlack},
        {1, 0, -1, 0, -kSlack, -2, kSlack, 2},
        {turn, turn, -turn, turn, -kSlack * turn - edge * turn, -2, kSlack * turn + edge * turn, kSlack / turn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ax << "," << c.ay << " " << c.bx << "," << c.by);
        const WedgeBounds bounds = WedgeBounds::Of(kRadius, c.ax, c.ay, c.bx, c.by, kSlack);
        EXPECT_NEAR(bounds.left, c.left, 1e-9);
        EXPECT_NEAR(bounds.top, c.top, 1e-9);
        EXPECT_NEAR(bounds.right, c.right, 1e-9);
        EXPECT_NEAR(bounds.bottom, c.bottom, 1e-9);
    }
}

// A run takes in the next segment only where both lie on the quarter-pixel
// grid, the next starts at the run's end and steps the same way.
TEST(StraightRun, JoinsOnlyStraightContinuationsOnTheGrid)
{
    struct Case {
        StraightRun::Point a0, a1, b0, b1;
        bool joins;
        double steps;  // of the run afterwards
    };
    const Case cases[] = {
        {{0, 0}, {2, 0}, {2, 0}, {5.5, 0}, true, 22},       // quarter steps along x
        {{1, 1}, {3, 2}, {3, 2}, {7, 4}, true, 12},         // (2, 1) and (4, 2)
        {{0, 0}, {2, 2}, {2, 2}, {4, 2}, false, 8},         // a turn
        {{0, 0}, {2, 0}, {2, 0}, {0, 0}, false, 8},         // back again
        {{0, 0}, {2, 0}, {2.25, 0}, {4, 0}, false, 8},      // a gap
        {{0.1, 0}, {2.1, 0}, {2.1, 0}, {4.1, 0}, false, 1},  // off the grid
        {{0, 0}, {300, 0.25}, {300, 0.25}, {600, 0.5}, false, 1},  // a step too long to keep
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a0.x << "," << c.a0.y << " " << c.b1.x << "," << c.b1.y);
        std::optional<StraightRun> run = StraightRun::Between(c.a0, c.a1);
        const std::optional<StraightRun> next = StraightRun::Between(c.b0, c.b1);
        ASSERT_TRUE(run && next);
        EXPECT_EQ(run->Extend(*next), c.joins);
        EXPECT_EQ(run->steps, c.steps);
        EXPECT_EQ(run->to.x, c.joins ? c.b1.x : c.a1.x);
        EXPECT_NEAR(run->length, std::hypot(run->to.x - run->from.x, run->to.y - run->from.y), 1e-12);
    }
    const double huge = std::numeric_limits<double>::max();
    EXPECT_FALSE(StraightRun::Between({0, 0}, {std::numeric_limits<double>::infinity(), 0}));
    EXPECT_FALSE(StraightRun::Between({-huge, 0}, {huge, 0}));
    EXPECT_TRUE(StraightRun::Between({-1e200, 0}, {1e200, 1e200}));
}
