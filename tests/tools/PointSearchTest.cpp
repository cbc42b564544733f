// Points of interest: roots, touching roots, extrema and intersections with
// known answers; poles, jumps and undefined stretches; stop and progress.

#include "base/ManualResetEvent.h"
#include "tools/PointRequest.h"
#include "tools/PointSearch.h"
#include "tools/PointSearchWorker.h"
#include "ToolsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;
const double kSqrt2 = std::sqrt(2.0);

class RecordingSearchSink : public PointSearchSink {
public:
    void SearchProgress(int percent) override { progress.push_back(percent); }
    void SearchDone(SearchOutcome result, std::vector<FoundPoint> found, std::optional<CExprException> failure) override
    {
        outcome = result;
        points = std::move(found);
        error = std::move(failure);
        ++doneCount;
    }

    std::vector<int> progress;
    SearchOutcome outcome = SearchOutcome::Failed;
    std::vector<FoundPoint> points;
    std::optional<CExprException> error;
    int doneCount = 0;
};

struct SearchRow {
    PointGoal goal;
    const char* expression;
    double from, to;
    std::vector<FoundPoint> expected;
    double xTolerance;  // times max(1, |x|)
    double yTolerance;
    const char* expression2 = "";
};

std::vector<FoundPoint> Search(const SearchRow& row, RecordingSearchSink& sink)
{
    StartEngine();
    PointRequest request{row.goal, row.expression, row.expression2, 'x', row.from, row.to, 200, &sink, nullptr};
    PointSearchWorker(request);
    EXPECT_EQ(sink.outcome, SearchOutcome::Finished);
    EXPECT_EQ(sink.doneCount, 1);
    return sink.points;
}

void CheckRows(const std::vector<SearchRow>& rows)
{
    for (const SearchRow& row : rows) {
        SCOPED_TRACE(std::string(row.expression) + " " + row.expression2 + " on [" + std::to_string(row.from) + ", " +
                     std::to_string(row.to) + "]");
        RecordingSearchSink sink;
        const std::vector<FoundPoint> found = Search(row, sink);
        ASSERT_EQ(found.size(), row.expected.size());
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].kind, row.expected[i].kind) << i;
            EXPECT_NEAR(found[i].x, row.expected[i].x, row.xTolerance * std::max(1.0, std::fabs(row.expected[i].x)))
                << i;
            EXPECT_NEAR(found[i].y, row.expected[i].y, row.yTolerance) << i;
        }
    }
}

constexpr PointKind R = PointKind::Root;
constexpr PointKind Min = PointKind::Minimum;
constexpr PointKind Max = PointKind::Maximum;

TEST(PointSearch, CrossingRootsLieWithinAFewDoublesOfTheTrueRoot)
{
    CheckRows({
        {PointGoal::Roots, "sin(x)", 0.5, 10, {{R, kPi}, {R, 2 * kPi}, {R, 3 * kPi}}, 1e-12, 1e-15},
        {PointGoal::Roots, "x^2-2", -3, 3, {{R, -kSqrt2}, {R, kSqrt2}}, 1e-12, 1e-15},
        {PointGoal::Roots, "x^3-x", -2, 2, {{R, -1}, {R, 0}, {R, 1}}, 1e-12, 1e-15},        // samples on the roots
        {PointGoal::Roots, "x^3-x", -2.0013, 2, {{R, -1}, {R, 0}, {R, 1}}, 1e-12, 1e-15},   // roots between samples
        {PointGoal::Roots, "x-1e6-0.3", 1e6, 1e6 + 1, {{R, 1e6 + 0.3}}, 1e-12, 1e-9},
        {PointGoal::Roots, "0.001*(x-1/3)", -1, 1, {{R, 1.0 / 3}}, 1e-12, 1e-15},             // a shallow slope
        {PointGoal::Roots, "x-int(x)-0.5", 0.2, 3, {{R, 0.5}, {R, 1.5}, {R, 2.5}}, 1e-12, 1e-15},  // not at the jumps
    });
}

TEST(PointSearch, TouchingRootsAreMinimaOfTheMagnitudeThatReachZero)
{
    CheckRows({
        {PointGoal::Roots, "x^2", -1.0013, 1, {{R, 0}}, 1e-6, 1e-12},
        {PointGoal::Roots, "cos(x)+1", 2, 4, {{R, kPi}}, 1e-6, 1e-12},
        {PointGoal::Roots, "-(x-0.7)^2", 0, 1, {{R, 0.7}}, 1e-6, 1e-12},
        {PointGoal::Roots, "sin(x)^2", 1, 7, {{R, kPi}, {R, 2 * kPi}}, 1e-6, 1e-12},
        {PointGoal::Roots, "x^2+0.0001", -1, 1, {}, 0, 0},  // a minimum that stays above 0
        {PointGoal::Roots, "|x-0.3001|", 0, 1, {{R, 0.3001}}, 1e-6, 1e-12},
    });
}

TEST(PointSearch, PolesJumpsAndUndefinedStretchesHoldNoRoots)
{
    CheckRows({
        {PointGoal::Roots, "tg(x)", 1, 2, {}, 0, 0},
        {PointGoal::Roots, "1/x", -1, 1, {}, 0, 0},
        {PointGoal::Roots, "1/x", -1.0013, 1, {}, 0, 0},  // the pole between two samples
        {PointGoal::Roots, "int(x)-0.5", -2, 2, {}, 0, 0},
        {PointGoal::Roots, "int(x)", 1, 4, {}, 0, 0},
        {PointGoal::Roots, "tg(x)", 2, 4, {{R, kPi}}, 1e-12, 1e-15},
        {PointGoal::Roots, "sqrt(x)", -1, 1, {{R, 0}}, 1e-12, 0},
        {PointGoal::Roots, "sqrt(x)-0.5", -1, 1, {{R, 0.25}}, 1e-12, 1e-15},
        {PointGoal::Roots, "ln(x)", -1, 2, {{R, 1}}, 1e-12, 1e-15},
    });
}

TEST(PointSearch, RangesThatStartOrEndOnARoot)
{
    CheckRows({
        {PointGoal::Roots, "sin(x)", 0, 1, {{R, 0}}, 0, 0},
        {PointGoal::Roots, "sin(x)", kPi, 4, {{R, kPi}}, 1e-12, 1e-12},
        {PointGoal::Roots, "sin(x)", 3, kPi, {{R, kPi}}, 1e-12, 1e-12},
        {PointGoal::Roots, "x^2-2", kSqrt2, 3, {{R, kSqrt2}}, 1e-12, 1e-12},
        {PointGoal::Roots, "x^2-2", -3, -kSqrt2, {{R, -kSqrt2}}, 1e-12, 1e-12},
        // A stretch of zeros gives where it starts and where it ends.
        {PointGoal::Roots, "(|x|+x)/2", -1, 1, {{R, -1}, {R, 0}}, 0, 0},
    });
}

TEST(PointSearch, ExtremaLieStrictlyInsideTheRange)
{
    CheckRows({
        {PointGoal::Extrema, "x^2", -1, 1, {{Min, 0, 0}}, 1e-6, 1e-12},
        {PointGoal::Extrema, "sin(x)", 0, 10, {{Max, kPi / 2, 1}, {Min, 3 * kPi / 2, -1}, {Max, 5 * kPi / 2, 1}},
         1e-6, 1e-12},
        {PointGoal::Extrema, "cos(x)", 0, 2 * kPi, {{Min, kPi, -1}}, 1e-6, 1e-12},  // not at the ends
        {PointGoal::Extrema, "x^3-3x", -3, 3, {{Max, -1, 2}, {Min, 1, -2}}, 1e-6, 1e-12},
        {PointGoal::Extrema, "|x|", -1, 1, {{Min, 0, 0}}, 1e-6, 1e-12},                // a corner
        {PointGoal::Extrema, "2-|x-0.0025|", -1, 1, {{Max, 0.0025, 2}}, 1e-6, 1e-12},  // between two equal samples
        {PointGoal::Extrema, "(x-0.3)^2+5", -1, 1, {{Min, 0.3, 5}}, 1e-6, 1e-12},
        {PointGoal::Extrema, "x^3", -1, 1, {}, 0, 0},
        {PointGoal::Extrema, "2", -1, 1, {}, 0, 0},
        {PointGoal::Extrema, "|x-1|+|x+1|", -3, 3, {}, 0, 0},  // a constant stretch at the bottom
        {PointGoal::Extrema, "-1/(x*x)", -1.0013, 1, {}, 0, 0},  // a pole, not a minimum
        {PointGoal::Extrema, "tg(x)", 0, 3, {}, 0, 0},
        {PointGoal::Extrema, "sqrt(x)", -1, 1, {}, 0, 0},
    });
}

TEST(PointSearch, IntersectionsAreTheRootsOfTheDifference)
{
    CheckRows({
        {PointGoal::Intersections, "sin(x)", 0, 7, {{R, kPi / 4, std::sqrt(0.5)}, {R, 5 * kPi / 4, -std::sqrt(0.5)}},
         1e-12, 1e-12, "cos(x)"},
        {PointGoal::Intersections, "x^2", -2, 2, {{R, -1, 1}, {R, 1, 1}}, 1e-12, 1e-12, "1"},
        {PointGoal::Intersections, "x^2", -2, 2, {{R, 0, 0}}, 1e-6, 1e-12, "0"},  // touching
        {PointGoal::Intersections, "1/x", -1, 1, {}, 0, 0, "-1/x"},
    });
}

TEST(PointSearch, EngineErrorsEndTheSearch)
{
    StartEngine();
    for (const auto& [goal, text, text2, code] :
         {std::tuple{PointGoal::Roots, "x)", "", 1002}, std::tuple{PointGoal::Intersections, "x", "sin(", 1004},
          std::tuple{PointGoal::Extrema, "t", "", 1019}}) {
        SCOPED_TRACE(text);
        RecordingSearchSink sink;
        PointSearchWorker({goal, text, text2, 'x', 0, 1, 200, &sink, nullptr});
        EXPECT_EQ(sink.outcome, SearchOutcome::Failed);
        ASSERT_TRUE(sink.error);
        EXPECT_EQ(sink.error->Code(), code);
        EXPECT_TRUE(sink.points.empty());
    }
}

TEST(PointSearch, ReportsRisingPercentsAndStopsWhenAsked)
{
    StartEngine();
    RecordingSearchSink sink;
    PointSearchWorker({PointGoal::Roots, "sin(x)", "", 'x', 0, 100, 200, &sink, nullptr});
    ASSERT_FALSE(sink.progress.empty());
    EXPECT_TRUE(std::is_sorted(sink.progress.begin(), sink.progress.end()));
    EXPECT_EQ(std::adjacent_find(sink.progress.begin(), sink.progress.end()), sink.progress.end());
    EXPECT_EQ(sink.progress.back(), 100);
    EXPECT_EQ(sink.points.size(), 32u);

    ManualResetEvent stop;
    stop.Set();
    RecordingSearchSink stopped;
    PointSearchWorker({PointGoal::Roots, "sin(x)", "", 'x', 0, 100, 200, &stopped, &stop});
    EXPECT_EQ(stopped.outcome, SearchOutcome::Stopped);
    EXPECT_TRUE(stopped.points.empty());
}

// Functions the engine cannot write: jumps across 0 of every size.
TEST(PointSearch, JumpsAcrossZeroAreNoRoots)
{
    const struct {
        const char* name;
        PointSearch::Function f;
        size_t roots;
    } rows[] = {
        {"step", [](double x) { return x < 0.3 ? -1.0 : 1.0; }, 0},
        {"step with slope", [](double x) { return x + (x < 0.3 ? -0.3 : 0.5); }, 0},
        {"small step on a slope", [](double x) { return x - 0.3 + (x < 0.3 ? 0 : 1e-6); }, 1},
        {"pole", [](double x) { return 1 / (x - 0.3); }, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PointSearch search(row.f, 0.0013, 1, 200);
        ASSERT_TRUE(search.Run(SearchGoal::Roots, nullptr));
        EXPECT_EQ(search.Points().size(), row.roots);
    }
}

}  // namespace
