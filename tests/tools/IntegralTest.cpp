// The definite integral: sums and signs, breaks in the function, bounds as
// typed, and runs on the document's worker thread.

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "IntegralBounds.h"
#include "IntegralRequest.h"
#include "IntegralWorker.h"
#include "MemorySettingsBackend.h"
#include "RoundToDecimals.h"
#include "StringTable.h"
#include "ToolsTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct IntegralRun {
    RecordingIntegralSink sink;
    double integral = -1;
    double area = -1;
};

void Integrate(IntegralRun& run, const char* text, char argument, double from, double to, int precision = 100)
{
    StartEngine();
    IntegralRequest request;
    request.expression = text;
    request.argument = argument;
    request.samplesPerUnit = precision;
    request.from = from;
    request.to = to;
    request.sink = &run.sink;
    request.integral = &run.integral;
    request.area = &run.area;
    IntegralWorker(request);
}

TEST(IntegralWorker, SumsSignedAndAbsoluteTrapezoids)
{
    const struct {
        const char* text;
        char argument;
        double from, to;
        int precision;
        double integral, area;
    } rows[] = {
        {"x", 'x', 0, 1, 100, 0.5, 0.5},
        {"x", 'x', -1, 1, 100, 0, 1},      // the sample at 0 is exactly zero
        {"-x", 'x', 0, 1, 100, -0.5, 0.5},  // a first sample on the axis takes the sign after it
        {"x", 'x', 0, 1, 3200, 0.5, 0.5},
        {"2", 't', 0, 0.005, 100, 0.01, 0.01},  // one shorter step only
        {"1", 'y', 0, 1.005, 100, 1.005, 1.005},  // a shorter last step
        // Samples -0.005 and 0.005 on one step: its trapezoid counts in the area only.
        {"x-0.005", 'x', 0, 0.01, 100, 0, 0.00005},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        IntegralRun run;
        Integrate(run, row.text, row.argument, row.from, row.to, row.precision);
        EXPECT_EQ(run.sink.outcome, IntegralFinished);
        EXPECT_NEAR(run.integral, row.integral, 1e-9);
        EXPECT_NEAR(run.area, row.area, 1e-9);
    }
}

TEST(IntegralWorker, EndsWithoutResultsOnBreaksAndErrors)
{
    const struct {
        const char* text;
        double from, to;
        IntegralOutcome outcome;
        int errorCode;  // 0: none
    } rows[] = {
        {"1/x", -1, 1, IntegralNotContinuous, 0},
        {"100001*x", 0, 1, IntegralNotContinuous, 0},  // only the last sample is too large
        {"sqrt(x)", -1, 0, IntegralNotContinuous, 0},
        {"x)", 0, 1, IntegralFailed, 1002},
        {"root(2,x)", 0, 1, IntegralFailed, 1020},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        IntegralRun run;
        Integrate(run, row.text, 'x', row.from, row.to);
        EXPECT_EQ(run.sink.outcome, row.outcome);
        EXPECT_EQ(run.sink.doneCount, 1);
        EXPECT_EQ(run.sink.error ? run.sink.error->Code() : 0, row.errorCode);
        EXPECT_EQ(run.integral, -1);  // the slots are left alone
    }
}

TEST(IntegralWorker, ReportsEachWholePercentOnce)
{
    IntegralRun run;
    Integrate(run, "x", 'x', 0, 2);
    ASSERT_EQ(run.sink.progress.size(), 99u);
    for (size_t i = 0; i < run.sink.progress.size(); ++i)
        EXPECT_EQ(run.sink.progress[i], static_cast<int>(i) + 1);
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

// The document runs the worker on its own thread; a stop request ends it.
TEST(IntegralRunTest, RunsOnTheDocumentsThreadAndStops)
{
    StartEngine();
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    IntegralRun run;
    IntegralRequest request;
    request.expression = "sin(x)";
    request.sink = &run.sink;
    request.integral = &run.integral;
    request.area = &run.area;
    EXPECT_FALSE(doc.StartIntegral(request));  // no worker installed
    doc.SetIntegralWorker(IntegralWorker);

    request.from = 0;
    request.to = 3.141592653589793;
    ASSERT_TRUE(doc.StartIntegral(request));
    doc.WaitForIntegral(WorkerThread::kInfinite, {});
    EXPECT_EQ(run.sink.outcome, IntegralFinished);
    EXPECT_NEAR(run.integral, 2, 1e-4);

    request.to = 10000;
    run.sink.onProgress = [&doc](int) { doc.StopIntegral(); };
    ASSERT_TRUE(doc.StartIntegral(request));
    doc.WaitForIntegral(WorkerThread::kInfinite, {});
    EXPECT_EQ(run.sink.outcome, IntegralStopped);
    EXPECT_EQ(run.sink.doneCount, 2);
}

}  // namespace
