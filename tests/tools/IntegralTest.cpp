// The definite integral: sums and signs, breaks in the function, bounds as
// typed, and runs on the document's worker thread.

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "IntegralBounds.h"
#include "IntegralChecks.h"
#include "IntegralRequest.h"
#include "IntegralWorker.h"
#include "MemorySettingsBackend.h"
#include "StringTable.h"
#include "ToolsTestSupport.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

struct IntegralRun {
    RecordingIntegralSink sink;
    double integral = -1;
    double area = -1;

    IntegralRequest Request(const char* text, char argument, double from, double to, int precision = 100)
    {
        StartEngine();
        return {text, argument, precision, from, to, &sink, &integral, &area, nullptr};
    }
};

TEST(IntegralWorker, SumsStepsOrEndsWithoutResults)
{
    const struct {
        const char* text;
        char argument;
        double from, to;
        int precision;
        IntegralOutcome outcome;
        double integral, area;  // -1: the slots are left alone
        int errorCode;
    } rows[] = {
        {"x", 'x', 0, 1, 100, IntegralFinished, 0.5, 0.5, 0},
        {"x", 'x', -1, 1, 100, IntegralFinished, 0, 1, 0},      // the sample at 0 is exactly zero
        {"-x", 'x', 0, 1, 100, IntegralFinished, -0.5, 0.5, 0},  // a first sample on the axis takes the next one's sign
        {"x", 'x', 0, 1, 3200, IntegralFinished, 0.5, 0.5, 0},
        {"2", 't', 0, 0.005, 100, IntegralFinished, 0.01, 0.01, 0},      // one shorter step only
        {"1", 'y', 0, 1.005, 100, IntegralFinished, 1.005, 1.005, 0},    // a shorter last step
        {"x-0.005", 'x', 0, 0.01, 100, IntegralFinished, 0, 0.00005, 0},  // samples on both sides: area only
        {"1/x", 'x', -1, 1, 100, IntegralNotContinuous, -1, -1, 0},
        {"100001*x", 'x', 0, 1, 100, IntegralNotContinuous, -1, -1, 0},  // only the last sample is too large
        {"sqrt(x)", 'x', -1, 0, 100, IntegralNotContinuous, -1, -1, 0},
        {"x)", 'x', 0, 1, 100, IntegralFailed, -1, -1, 1002},
        {"root(2,x)", 'x', 0, 1, 100, IntegralFailed, -1, -1, 1020},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        IntegralRun run;
        IntegralWorker(run.Request(row.text, row.argument, row.from, row.to, row.precision));
        EXPECT_EQ(run.sink.outcome, row.outcome);
        EXPECT_EQ(run.sink.doneCount, 1);
        EXPECT_EQ(run.sink.error ? run.sink.error->Code() : 0, row.errorCode);
        EXPECT_NEAR(run.integral, row.integral, 1e-9);
        EXPECT_NEAR(run.area, row.area, 1e-9);
    }
}

TEST(IntegralBounds, ReadsTypedBoundsOrNamesTheFault)
{
    const std::string range = LoadAppString(3138);
    const struct {
        const char* from;
        const char* to;
        bool timesPi;
        std::string message;
        double lo, hi;
    } rows[] = {
        {"0", "1", false, "", 0, 1},
        {" -2.5", "1e2", false, "", -2.5, 100},
        {"0", "1", true, "", 0, 3.141592653589793},
        {"", "1", false, range, 0, 0},
        {"1", "1", false, range, 0, 0},
        {"2", "1", false, range, 0, 0},
        {"nan", "1", false, range, 0, 0},
        {"0,5", "1", false, "The string you have entered '0,5' contains incorrect characters ','.", 0, 0},
        {"0", "1 ", false, "The string you have entered '1 ' contains incorrect characters ' '.", 0, 0},
        {"0", "2\xCF\x80", false, "The string you have entered '2\xCF\x80' contains incorrect characters '\xCF\x80'.", 0, 0},
        {"0", "1e999", false, "The number '1e999' you have entered is too big.", 0, 0},
        {"-1e308", "0", true, "The number '-1e308' you have entered is too big.", 0, 0},
        {"x", "1e999", false, "The string you have entered 'x' contains incorrect characters 'x'.", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " .. " + row.to);
        IntegralBounds bounds;
        EXPECT_EQ(ReadIntegralBounds(row.from, row.to, row.timesPi, bounds), row.message);
        EXPECT_EQ(bounds.from, row.lo);
        EXPECT_EQ(bounds.to, row.hi);
    }
}

// A run may take up to 1e9 steps at its precision; more names the count.
TEST(IntegralSteps, MoreThanTheLimitIsNamed)
{
    const struct {
        double from, to;
        int precision;
        const char* steps;  // null: within the limit
    } rows[] = {
        {0, 1e7, 100, nullptr},
        {-5e6, 5e6, 100, nullptr},
        {0, 1e7 + 0.01, 100, "1000000001"},
        {0, 312500, 3200, nullptr},
        {0, 312500.001, 3200, "1000000004"},  // a last step shorter than the others counts
        {-1e308, 1e308, 100, "2e+310"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.to);
        const std::string message = IntegralStepsMessage(21413, row.from, row.to, row.precision);
        EXPECT_EQ(message, row.steps ? "The range holds " + std::string(row.steps) +
                                           " steps at the chosen precision, more than the 1000000000 a "
                                           "calculation may take.\nChoose a smaller range or a lower precision."
                                     : "");
    }
}

// The document runs the worker on its own thread, which reports each whole
// percent once; a stop request ends it.
TEST(IntegralRunTest, RunsOnTheDocumentsThreadAndStops)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    IntegralRun run;
    IntegralRequest request = run.Request("sin(x)", 'x', 0, 3.141592653589793);
    EXPECT_FALSE(doc.StartIntegral(request));  // no worker installed
    doc.SetIntegralWorker(IntegralWorker);
    ASSERT_TRUE(doc.StartIntegral(request));
    doc.WaitForIntegral(WorkerThread::kInfinite, {});
    EXPECT_EQ(run.sink.outcome, IntegralFinished);
    EXPECT_NEAR(run.integral, 2, 1e-4);
    std::vector<int> percents(99);
    std::iota(percents.begin(), percents.end(), 1);
    EXPECT_EQ(run.sink.progress, percents);

    request.to = 10000;
    run.sink.onProgress = [&doc](int) { doc.StopIntegral(); };
    ASSERT_TRUE(doc.StartIntegral(request));
    doc.WaitForIntegral(WorkerThread::kInfinite, {});
    EXPECT_EQ(run.sink.outcome, IntegralStopped);
    EXPECT_EQ(run.sink.doneCount, 2);
}

}  // namespace
