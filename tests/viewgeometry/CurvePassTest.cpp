// The curve pass: which samples become lines and pixels.

#include "CoordSystem.h"
#include "CurvePass.h"
#include "CurveSink.h"
#include "GraphPoints.h"
#include "RoundToDecimals.h"
#include "ViewMapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

struct Segment {
    int x0, y0, x1, y1;
};

// Records what a painter would draw: lines with both ends, lone pixels.
class RecordingSink : public CurveSink {
public:
    void MoveTo(std::int32_t x, std::int32_t y) override { m_pen = {x, y}; }
    void LineTo(std::int32_t x, std::int32_t y) override
    {
        segments.push_back({m_pen.x, m_pen.y, x, y});
        m_pen = {x, y};
    }
    void SetPixel(std::int32_t x, std::int32_t y) override { pixels.push_back({x, y}); }

    std::vector<Segment> segments;
    std::vector<ScaledPoint> pixels;

private:
    ScaledPoint m_pen;
};

// A value in stored units as the sampler stores it.
std::int32_t Stored(double value, int precision)
{
    const double s = precision * value * 4;
    if (!std::isfinite(value))
        return POINT_UNDEFINED;
    if (s > 2147483647.0)
        return POINT_ABOVE;
    if (s < -2147483647.0)
        return POINT_BELOW;
    return static_cast<std::int32_t>(RoundToDecimals(s, 0));
}

// Samples of y = f(x) over [from, to].
std::vector<ScaledPoint> SampleYofX(const std::function<double(double)>& f, double from, double to, int precision)
{
    std::vector<ScaledPoint> points;
    const double first = std::floor(precision * from) / precision;
    const long count = static_cast<long>(std::floor(precision * to) - std::floor(precision * from)) + 1;
    for (long k = 0; k < count; ++k) {
        const double x = first + static_cast<double>(k) / precision;
        points.push_back({Stored(x, precision), Stored(f(x), precision)});
    }
    return points;
}

// A square world -half..half at zoom 100, all of it in view.
ViewMapping SquareView(double half, int zoom = 100)
{
    CoordSystem cs;
    cs.left = cs.bottom = -half;
    cs.right = cs.top = half;
    ViewMapping view(cs, zoom, zoom);
    view.SetClientSize(2200, 2200);
    view.FitPicture();
    return view;
}

RecordingSink Draw(const ViewMapping& view, const CurveSamples& samples)
{
    const PixelSize size = view.DrawingSize();
    RecordingSink sink;
    CurvePass(view, {0, 0, size.width + 1, size.height + 1}, samples).Run(sink);
    return sink;
}

bool CrossesVertically(const Segment& s, int height)
{
    return (s.y0 < 0 && s.y1 > height) || (s.y1 < 0 && s.y0 > height);
}

// Branches far off both edges with a difference larger than the picture are
// not joined; a steep curve whose samples straddle the picture with a
// smaller difference is.
TEST(CurvePass, JoinsAcrossThePictureOnlyWithoutAJump)
{
    struct Row { const char* name; std::function<double(double)> f; double half; int precision; int crossings; };
    const Row rows[] = {
        {"tan", [](double x) { return std::tan(x); }, 5, 100, 0},
        {"1 / x", [](double x) { return 1 / (x - 0.005); }, 5, 100, 0},
        {"150 x", [](double x) { return 150 * (x - 0.05); }, 5, 10, 1},
        {"-150 x", [](double x) { return -150 * (x - 0.05); }, 5, 10, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ViewMapping view = SquareView(row.half);
        const std::vector<ScaledPoint> points = SampleYofX(row.f, -row.half, row.half, row.precision);
        const RecordingSink sink = Draw(view, {points, KindYofX, row.precision, -row.half});
        int crossings = 0;
        for (const Segment& segment : sink.segments)
            crossings += CrossesVertically(segment, view.DrawingSize().height);
        EXPECT_EQ(crossings, row.crossings);
        EXPECT_FALSE(sink.segments.empty());
    }
}

TEST(CurvePass, LonePixelAndBreaks)
{
    const ViewMapping view = SquareView(1);
    std::vector<ScaledPoint> points(201, {0, POINT_UNDEFINED});
    points[150] = {200, 40};  // (0.5, 0.1)
    RecordingSink sink = Draw(view, {points, KindYofX, 100, -1});
    EXPECT_TRUE(sink.segments.empty());
    ASSERT_EQ(sink.pixels.size(), 1u);
    EXPECT_EQ(sink.pixels[0].x, 150);
    EXPECT_EQ(sink.pixels[0].y, 90);

    // A gap splits y = 0 into two lines: 0..99 and 101..200.
    points = SampleYofX([](double) { return 0.0; }, -1, 1, 100);
    points[100].y = POINT_UNDEFINED;
    sink = Draw(view, {points, KindYofX, 100, -1});
    EXPECT_EQ(sink.pixels.size(), 2u);
    EXPECT_EQ(sink.segments.size(), 198u);
}

// Four samples a pixel: samples 3, 7, 11, ... are plotted and, with nothing
// entering, leaving or jumping, only those and the two ends.
TEST(CurvePass, EveryNthSampleKept)
{
    const ViewMapping view = SquareView(1);
    const std::vector<ScaledPoint> points = SampleYofX([](double) { return 0.0; }, -1, 1, 400);
    const CurvePass pass(view, {0, 0, 202, 202}, {points, KindYofX, 400, -1});
    EXPECT_EQ(pass.SamplesPerPixel(), 4);
    RecordingSink sink;
    pass.Run(sink);
    ASSERT_EQ(sink.segments.size(), 201u);
    for (int j = 0; j < 200; ++j)
        EXPECT_EQ(sink.segments[j].x1, j + 1);  // sample 4j + 3 lies at column j + 0.75
    EXPECT_EQ(sink.segments[200].x1, 200);

    // Painting columns 100..110 only: the phase still counts from sample 0.
    std::vector<ScaledPoint> marked = points;
    for (size_t k = 3; k < marked.size(); k += 4)
        marked[k].y = 16;  // one pixel up, row 99
    sink = RecordingSink();
    CurvePass(view, {100, 0, 111, 202}, {marked, KindYofX, 400, -1}).Run(sink);
    EXPECT_GT(sink.segments.size(), 10u);
    for (const Segment& segment : sink.segments)
        EXPECT_EQ(segment.y1, 99);
}

// Four samples a pixel on y = f(x) over -0.05..0.05 (columns 95..105):
// besides every 4th sample, the samples where the curve leaves the view,
// the sample before it enters again, and those beside a jump (more stored
// units than the view's 3216 high: 13 and 14, 24 and 25) are kept.
TEST(CurvePass, SkippedSamplesAroundLeavingEnteringAndJumps)
{
    struct Row { const char* name; std::function<std::int32_t(int)> y; std::vector<Segment> segments; };
    const auto flatWith = [](int from, int to, std::function<std::int32_t(int)> out) {
        return [=](int k) { return k >= from && k <= to ? out(k) : 0; };
    };
    const Row rows[] = {
        {"flat", flatWith(1, 0, nullptr),
         {{95, 100, 96, 100}, {96, 100, 97, 100}, {97, 100, 98, 100}, {98, 100, 99, 100}, {99, 100, 100, 100},
          {100, 100, 101, 100}, {101, 100, 102, 100}, {102, 100, 103, 100}, {103, 100, 104, 100},
          {104, 100, 105, 100}, {105, 100, 105, 100}}},
        {"above from 14 to 24", flatWith(14, 24, [](int k) { return 1700 + 40 * k; }),
         {{95, 100, 96, 100}, {96, 100, 97, 100}, {97, 100, 98, 100}, {98, 100, 98, -41}, {101, -66, 101, 100},
          {101, 100, 102, 100}, {102, 100, 103, 100}, {103, 100, 104, 100}, {104, 100, 105, 100},
          {105, 100, 105, 100}}},
        {"jumps at 14 and 25", flatWith(14, 24, [](int k) { return 2000 + 100 * k; }),
         {{95, 100, 96, 100}, {96, 100, 97, 100}, {97, 100, 98, 100}, {98, 100, 98, 100}, {98, 100, 98, -112},
          {101, -175, 101, 100}, {101, 100, 102, 100}, {102, 100, 103, 100}, {103, 100, 104, 100},
          {104, 100, 105, 100}, {105, 100, 105, 100}}},
    };
    const ViewMapping view = SquareView(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<ScaledPoint> points;
        for (int k = 0; k <= 40; ++k)
            points.push_back({-80 + 4 * k, row.y(k)});
        const std::vector<Segment> segments = Draw(view, {points, KindYofX, 400, -0.05}).segments;
        ASSERT_EQ(segments.size(), row.segments.size());
        for (size_t i = 0; i < segments.size(); ++i) {
            EXPECT_EQ(segments[i].x0, row.segments[i].x0) << i;
            EXPECT_EQ(segments[i].y0, row.segments[i].y0) << i;
            EXPECT_EQ(segments[i].x1, row.segments[i].x1) << i;
            EXPECT_EQ(segments[i].y1, row.segments[i].y1) << i;
        }
    }
}

// A pole between skipped samples: the samples beside the jump are kept, so
// the branches far above and far below are not joined across the picture.
TEST(CurvePass, PoleBetweenSkippedSamplesIsNotJoined)
{
    std::vector<ScaledPoint> points;
    for (int k = 0; k <= 40; ++k)
        points.push_back({-80 + 4 * k, k < 10 || k > 30 ? 0 : k < 20 ? 20000 : -20000});
    const ViewMapping view = SquareView(1);
    for (const Segment& segment : Draw(view, {points, KindYofX, 400, -0.05}).segments)
        EXPECT_FALSE(CrossesVertically(segment, view.DrawingSize().height));
}

// Parametric curves with several samples a pixel keep every sample that
// moved a whole pixel since the last one kept: no gap wider than a pixel.
TEST(CurvePass, ParametricKeepsWholePixelMoves)
{
    struct Row { const char* name; std::function<WorldPoint(double)> f; int precision, zoom; double to; };
    const Row rows[] = {
        {"circle at zoom 25", [](double t) { return WorldPoint{std::cos(t), std::sin(t)}; }, 100, 25, 6.28},
        {"fast line", [](double t) { return WorldPoint{4 * t, 0}; }, 400, 100, 0.2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ViewMapping view = SquareView(2, row.zoom);
        std::vector<ScaledPoint> points;
        for (int k = 0; k <= row.to * row.precision; ++k) {
            const WorldPoint p = row.f(static_cast<double>(k) / row.precision);
            points.push_back({Stored(p.x, row.precision), Stored(p.y, row.precision)});
        }
        const RecordingSink sink = Draw(view, {points, KindParametric, row.precision, 0});
        EXPECT_GT(sink.segments.size(), points.size() / 5);
        for (const Segment& s : sink.segments) {
            EXPECT_LE(std::abs(s.x1 - s.x0), 1);
            EXPECT_LE(std::abs(s.y1 - s.y0), 1);
        }
    }
}

// Values beyond 32 bits run off the edge they stand for.
TEST(CurvePass, MarkersRunOffTheirEdge)
{
    const ViewMapping view = SquareView(1);
    struct Row { std::int32_t x, y; int endX, endY; };
    const Row rows[] = {
        {200, POINT_ABOVE, 150, -32767},
        {200, POINT_BELOW, 150, 32766},
        {POINT_ABOVE, 0, 32766, 100},
    };
    for (const Row& row : rows) {
        const ScaledPoint points[] = {{0, 0}, {row.x, row.y}};
        const RecordingSink sink = Draw(view, {points, KindParametric, 100, 0});
        ASSERT_EQ(sink.segments.size(), 1u);
        EXPECT_EQ(sink.segments[0].x1, row.endX);
        EXPECT_EQ(sink.segments[0].y1, row.endY);
    }
}

// Only the samples the painted columns can show are visited; a slot's
// range tells which those are.
TEST(CurvePass, PaintedBandNarrowsTheSamples)
{
    const ViewMapping view = SquareView(1);
    const std::vector<ScaledPoint> points = SampleYofX([](double x) { return x; }, -1, 1, 100);
    GraphPoints slot;
    slot.source.range = {-1, 1, 100};
    slot.UpdatePointCount();
    ASSERT_TRUE(slot.Allocate());
    std::copy(points.begin(), points.end(), slot.points.get());
    const CurvePass pass(view, {50, 0, 60, 202}, CurveSamples::Of(slot));
    EXPECT_EQ(pass.First(), 47);
    EXPECT_EQ(pass.Last(), 63);
}

// Nothing is drawn for a world that cannot be drawn or a precision that
// is not positive.
TEST(CurvePass, EmptyPictureDrawsNothing)
{
    const std::vector<ScaledPoint> points = SampleYofX([](double x) { return x; }, -1, 1, 100);
    CoordSystem inverted;
    inverted.top = -1;
    inverted.bottom = 1;
    ViewMapping view(inverted, 100, 100);
    view.SetClientSize(500, 500);
    view.FitPicture();
    EXPECT_TRUE(Draw(view, {points, KindYofX, 100, -1}).segments.empty());
    const RecordingSink sink = Draw(SquareView(1), {points, KindYofX, 0, -1});
    EXPECT_TRUE(sink.segments.empty());
    EXPECT_TRUE(sink.pixels.empty());
}

}  // namespace
