// An integral run on its own thread: its results arrive in its done report,
// it stops on request, at destruction included, and it evaluates without
// the computation lock.

#include "expr/CVariableTable.h"
#include "tools/ComputeIntegral.h"
#include "tools/IntegralRun.h"
#include "base/ManualResetEvent.h"
#include "ToolsTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <numeric>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr std::chrono::milliseconds kPatience{20000};

// Each run reports its end once, with the results a direct computation
// gives to the last digit; each whole percent is reported once.
TEST(IntegralRunTest, ReportsItsResultsInTheDoneReport)
{
    StartEngine();
    const struct {
        IntegralRequest request;
        IntegralOutcome outcome;
        int errorCode;
    } rows[] = {
        {{"sin(x)", 'x', 100, 0, kPi}, IntegralFinished, 0},
        {{"exp(-t)*cos(3*t)", 't', 1600, 0, 10}, IntegralFinished, 0},
        {{"1/x", 'x', 100, -1, 1}, IntegralNotContinuous, 0},
        {{"x)", 'x', 100, 0, 1}, IntegralFailed, 1002},
        {{"root(2,x)", 'x', 100, 0, 1}, IntegralFailed, 1020},
    };
    IntegralRun run;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.request.expression);
        RecordingIntegralSink sink;
        ASSERT_TRUE(run.Start(row.request, sink));
        ASSERT_TRUE(run.Wait(kPatience, {}));
        EXPECT_FALSE(run.IsRunning());
        EXPECT_EQ(sink.doneCount, 1);
        EXPECT_EQ(sink.result.outcome, row.outcome);
        EXPECT_EQ(sink.result.error ? sink.result.error->Code() : 0, row.errorCode);
        RecordingIntegralSink direct;
        const IntegralResult expected = ComputeIntegral(row.request, direct, nullptr);
        EXPECT_EQ(sink.result.integral, expected.integral);
        EXPECT_EQ(sink.result.area, expected.area);
        EXPECT_EQ(sink.progress, direct.progress);
    }
    RecordingIntegralSink sink;
    ASSERT_TRUE(run.Start(rows[0].request, sink));
    ASSERT_TRUE(run.Wait(kPatience, {}));
    std::vector<int> percents(99);
    std::iota(percents.begin(), percents.end(), 1);
    EXPECT_EQ(sink.progress, percents);
}

// A stop ends the run without results; the next run starts afresh. A second
// start while one runs is refused and reports nothing.
TEST(IntegralRunTest, StopsAndStartsAgain)
{
    StartEngine();
    IntegralRun run;
    RecordingIntegralSink sink;
    sink.onProgress = [&run](int) { run.Stop(); };
    const IntegralRequest endless{"sin(x)", 'x', 3200, 0, 1e5};
    ASSERT_TRUE(run.Start(endless, sink));
    ASSERT_TRUE(run.Wait(kPatience, {}));
    EXPECT_EQ(sink.result.outcome, IntegralStopped);
    EXPECT_EQ(sink.result.integral, 0);
    EXPECT_EQ(sink.progress, std::vector<int>{1});

    RecordingIntegralSink again;
    ManualResetEvent started;
    again.onProgress = [&started](int) { started.Set(); };
    ASSERT_TRUE(run.Start(endless, again));
    ASSERT_TRUE(started.WaitFor(kPatience));
    RecordingIntegralSink refused;
    EXPECT_FALSE(run.Start({"x", 'x', 100, 0, 1}, refused));
    run.Stop();
    ASSERT_TRUE(run.Wait(kPatience, {}));
    EXPECT_EQ(again.result.outcome, IntegralStopped);
    EXPECT_EQ(again.doneCount, 1);
    EXPECT_EQ(refused.doneCount, 0);
}

// Destroying a run that is still going stops it and waits for its report.
TEST(IntegralRunTest, DestructionStopsTheRun)
{
    StartEngine();
    RecordingIntegralSink sink;
    ManualResetEvent started;
    sink.onProgress = [&started](int) { started.Set(); };
    {
        IntegralRun run;
        ASSERT_TRUE(run.Start({"sin(x)", 'x', 3200, 0, 1e5}, sink));
        ASSERT_TRUE(started.WaitFor(kPatience));
    }
    EXPECT_EQ(sink.doneCount, 1);
    EXPECT_EQ(sink.result.outcome, IntegralStopped);
}

// Once compiled, the function is sampled without the computation lock:
// another thread takes the lock while a run samples, and the run ends
// while the lock is held.
TEST(IntegralRunTest, SamplesWithoutTheLock)
{
    StartEngine();
    IntegralRun run;
    RecordingIntegralSink sink;
    ManualResetEvent started;
    sink.onProgress = [&started](int) { started.Set(); };
    ASSERT_TRUE(run.Start({"sin(x)", 'x', 3200, 0, 1e5}, sink));
    ASSERT_TRUE(started.WaitFor(kPatience));
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    EXPECT_TRUE(lock.owns_lock());
    EXPECT_TRUE(run.IsRunning());
    run.Stop();
    EXPECT_TRUE(run.Wait(kPatience, {}));
    EXPECT_EQ(sink.result.outcome, IntegralStopped);
}

// Several runs of one function at once give the result of one alone.
TEST(IntegralRunTest, RunsAtOnceAgreeWithOneAlone)
{
    StartEngine();
    const IntegralRequest request{"sqrt(x)*sin(x)", 'x', 3200, 0, 100};
    RecordingIntegralSink alone;
    const IntegralResult expected = ComputeIntegral(request, alone, nullptr);
    std::vector<RecordingIntegralSink> sinks(3);
    {
        std::vector<std::unique_ptr<IntegralRun>> runs;
        for (RecordingIntegralSink& sink : sinks) {
            runs.push_back(std::make_unique<IntegralRun>());
            ASSERT_TRUE(runs.back()->Start(request, sink));
        }
        for (const auto& run : runs)
            EXPECT_TRUE(run->Wait(kPatience, {}));
    }
    for (const RecordingIntegralSink& sink : sinks) {
        EXPECT_EQ(sink.result.outcome, IntegralFinished);
        EXPECT_EQ(sink.result.integral, expected.integral);
        EXPECT_EQ(sink.result.area, expected.area);
    }
}

}  // namespace
