// The curve pass: which samples become lines and pixels.

#include "model/CoordSystem.h"
#include "view/geometry/CurvePass.h"
#include "view/geometry/CurveSink.h"
#include "view/geometry/CurveSummary.h"
#include "model/GraphPoints.h"
#include "expr/RoundToDecimals.h"
#include "view/geometry/ViewMapping.h"

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
struct RecordingSink : CurveSink {
    void MoveTo(std::int32_t x, std::int32_t y) override { pen = {x, y}; }
    void LineTo(std::int32_t x, std::int32_t y) override
    {
        segments.push_back({pen.x, pen.y, x, y});
        pen = {x, y};
    }
    void SetPixel(std::int32_t x, std::int32_t y) override { pixels.push_back({x, y}); }
    std::vector<Segment> segments;
    std::vector<ScaledPoint> pixels;
    ScaledPoint pen;
};

// A value in stored units as the sampler stores it (finite, within 32 bits).
std::int32_t Stored(double value, int precision)
{
    return static_cast<std::int32_t>(RoundToDecimals(precision * value * 4, 0));
}

// Samples of y = f(x) over [from, to].
std::vector<ScaledPoint> SampleYofX(const std::function<double(double)>& f, double from, double to, int precision)
{
    std::vector<ScaledPoint> points;
    const double first = std::floor(precision * from) / precision;
    for (long k = 0; k <= static_cast<long>(std::floor(precision * to) - std::floor(precision * from)); ++k) {
        const double x = first + static_cast<double>(k) / precision;
        points.push_back({Stored(x, precision), Stored(f(x), precision)});
    }
    return points;
}

// A square world -half..half at the zoom, all of it in view.
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

int VerticalCrossings(const RecordingSink& sink, int height)
{
    int crossings = 0;
    for (const Segment& s : sink.segments)
        crossings += (s.y0 < 0 && s.y1 > height) || (s.y1 < 0 && s.y0 > height);
    return crossings;
}

// Branches far off both edges with a difference larger than the picture are
// not joined; a steep curve whose samples straddle the picture with a
// smaller difference is.
TEST(CurvePass, JoinsAcrossThePictureOnlyWithoutAJump)
{
    struct Row { const char* name; std::function<double(double)> f; int precision, crossings; };
    const Row rows[] = {
        {"tan", [](double x) { return std::tan(x); }, 100, 0},
        {"1 / x", [](double x) { return 1 / (x - 0.005); }, 100, 0},
        {"150 x", [](double x) { return 150 * (x - 0.05); }, 10, 1},
    };
    const ViewMapping view = SquareView(5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RecordingSink sink = Draw(view, {SampleYofX(row.f, -5, 5, row.precision), KindYofX, row.precision, -5});
        EXPECT_EQ(VerticalCrossings(sink, view.DrawingSize().height), row.crossings);
    }
    // A pole between skipped samples (four a pixel): the samples beside the
    // jump are kept, so the branches are not joined either.
    std::vector<ScaledPoint> points;
    for (int k = 0; k <= 40; ++k)
        points.push_back({-80 + 4 * k, k < 10 || k > 30 ? 0 : k < 20 ? 20000 : -20000});
    const ViewMapping unit = SquareView(1);
    EXPECT_EQ(VerticalCrossings(Draw(unit, {points, KindYofX, 400, -0.05}), unit.DrawingSize().height), 0);
}

TEST(CurvePass, LonePixelAndBreaks)
{
    const ViewMapping view = SquareView(1);
    std::vector<ScaledPoint> points(201, {0, POINT_UNDEFINED});
    points[150] = {200, 40};  // (0.5, 0.1)
    RecordingSink sink = Draw(view, {points, KindYofX, 100, -1});
    EXPECT_TRUE(sink.segments.empty());
    ASSERT_EQ(sink.pixels.size(), 1u);
    EXPECT_TRUE(sink.pixels[0].x == 150 && sink.pixels[0].y == 90);

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
    std::vector<ScaledPoint> points = SampleYofX([](double) { return 0.0; }, -1, 1, 400);
    const CurvePass pass(view, {0, 0, 202, 202}, {points, KindYofX, 400, -1});
    EXPECT_EQ(pass.SamplesPerPixel(), 4);
    RecordingSink sink;
    pass.Run(sink);
    ASSERT_EQ(sink.segments.size(), 201u);
    for (int j = 0; j < 200; ++j)
        EXPECT_EQ(sink.segments[j].x1, j + 1);  // sample 4j + 3 lies at column j + 0.75
    EXPECT_EQ(sink.segments[200].x1, 200);

    // Painting columns 100..110 only: the phase still counts from sample 0.
    for (size_t k = 3; k < points.size(); k += 4)
        points[k].y = 16;  // one pixel up, row 99
    sink = RecordingSink();
    CurvePass(view, {100, 0, 111, 202}, {points, KindYofX, 400, -1}).Run(sink);
    EXPECT_GT(sink.segments.size(), 10u);
    for (const Segment& segment : sink.segments)
        EXPECT_EQ(segment.y1, 99);
}

// Parametric curves with several samples a pixel keep every sample that
// moved a whole pixel since the last one kept: no gap wider than a pixel.
TEST(CurvePass, ParametricKeepsWholePixelMoves)
{
    const ViewMapping view = SquareView(2, 25);
    std::vector<ScaledPoint> points;
    for (int k = 0; k <= 628; ++k)
        points.push_back({Stored(std::cos(k / 100.0), 100), Stored(std::sin(k / 100.0), 100)});
    const RecordingSink sink = Draw(view, {points, KindParametric, 100, 0});
    EXPECT_GT(sink.segments.size(), points.size() / 5);
    for (const Segment& s : sink.segments)
        EXPECT_TRUE(std::abs(s.x1 - s.x0) <= 1 && std::abs(s.y1 - s.y0) <= 1);
}

// Only the samples the painted columns can show are visited; a slot's
// range tells which those are.
TEST(CurvePass, PaintedBandNarrowsTheSamples)
{
    const std::vector<ScaledPoint> points = SampleYofX([](double x) { return x; }, -1, 1, 100);
    GraphPoints slot;
    slot.source.range = {-1, 1, 100};
    slot.UpdatePointCount();
    ASSERT_TRUE(slot.Allocate());
    std::copy(points.begin(), points.end(), slot.points.get());
    const CurvePass pass(SquareView(1), {50, 0, 60, 202}, CurveSamples::Of(slot));
    EXPECT_EQ(pass.First(), 47);
    EXPECT_EQ(pass.Last(), 63);
}

// Nothing is drawn for an inverted world or a precision that is not positive.
TEST(CurvePass, EmptyPictureDrawsNothing)
{
    const std::vector<ScaledPoint> points = SampleYofX([](double x) { return x; }, -1, 1, 100);
    CoordSystem inverted;
    inverted.top = -1, inverted.bottom = 1;
    ViewMapping view(inverted, 100, 100);
    view.SetClientSize(500, 500);
    view.FitPicture();
    EXPECT_TRUE(Draw(view, {points, KindYofX, 100, -1}).segments.empty());
    const RecordingSink sink = Draw(SquareView(1), {points, KindYofX, 0, -1});
    EXPECT_TRUE(sink.segments.empty() && sink.pixels.empty());
}

}  // namespace

// Stepping over summed-up blocks draws exactly what reading every sample
// draws, on curves that leave, enter, jump and break, seen whole and through
// scrolled and narrow painted bands.
TEST(CurvePass, BlockSummaryDrawsTheSame)
{
    constexpr int kPrecision = 3200;
    struct Row { const char* name; std::function<double(double)> f; };
    const Row rows[] = {
        {"sin", [](double x) { return 3 * std::sin(3 * x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"gaps", [](double x) { return std::fmod(std::abs(x), 0.7) < 0.05 ? NAN : x * x / 4 - 2; }},
        {"huge", [](double x) { return x > 1 ? 1e300 : x < -1 ? -1e300 : x; }},
    };
    struct Band { PixelPoint scroll; PixelRect paint; };
    const Band bands[] = {{{0, 0}, {0, 0, 1001, 1001}}, {{150, 240}, {0, 0, 500, 400}}, {{37, 0}, {205, 0, 279, 500}}};
    for (const Row& row : rows) {
        const std::vector<ScaledPoint> points = SampleYofX(row.f, -5, 5, kPrecision);
        const CurveSummary summary(points);
        for (const Band& band : bands) {
            SCOPED_TRACE(testing::Message() << row.name << " at " << band.scroll.x << "," << band.scroll.y);
            ViewMapping view = SquareView(5);
            view.SetClientSize(565, 540);
            view.SetScrollPosition(band.scroll);
            CurveSamples samples{points, KindYofX, kPrecision, -5};
            RecordingSink plain;
            CurvePass(view, band.paint, samples).Run(plain);
            samples.summary = &summary;
            RecordingSink stepped;
            CurvePass(view, band.paint, samples).Run(stepped);
            ASSERT_EQ(plain.segments.size(), stepped.segments.size());
            for (std::size_t i = 0; i < plain.segments.size(); ++i) {
                const Segment& a = plain.segments[i];
                const Segment& b = stepped.segments[i];
                EXPECT_TRUE(a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1) << i;
            }
            EXPECT_EQ(plain.pixels.size(), stepped.pixels.size());
        }
    }
}
