// The worker thread and the event it ends with.

#include "base/ManualResetEvent.h"
#include "base/WorkerThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace {

// A wait that the dispatch of another wait starts (a window's handler that
// waits too) ends both waits without joining the thread twice.
TEST(WorkerThreadWait, NestedInDispatchEndsBoth)
{
    WorkerThread worker;
    ManualResetEvent release;
    ASSERT_TRUE(worker.Start([&] { release.Wait(); }));
    bool innerDone = false;
    const bool outerDone = worker.Wait(WorkerThread::kInfinite, [&] {
        release.Set();
        if (!innerDone)
            innerDone = worker.Wait(WorkerThread::kInfinite, {});
    });
    EXPECT_TRUE(innerDone);
    EXPECT_TRUE(outerDone);
    EXPECT_FALSE(worker.IsRunning());
}

// A timed wait on a thread that still runs gives up without joining it, with
// or without dispatching meanwhile; once the thread ends every wait succeeds,
// as does a wait when no thread was started.
TEST(WorkerThreadWait, TimeoutLeavesARunningThreadAlone)
{
    using std::chrono::milliseconds;
    int dispatched = 0;
    const std::function<void()> dispatch = [&] { ++dispatched; };
    const struct {
        const char* what;
        milliseconds timeout;
        bool dispatching;
    } rows[] = {
        {"plain wait", milliseconds(30), false},
        {"dispatching wait", milliseconds(30), true},
        {"no time at all", milliseconds(0), false},
    };
    for (const auto& row : rows) {
        const std::function<void()> none;
        const std::function<void()>& during = row.dispatching ? dispatch : none;
        WorkerThread worker;
        EXPECT_TRUE(worker.Wait(row.timeout, during)) << row.what << ": nothing started";
        ManualResetEvent release;
        ASSERT_TRUE(worker.Start([&] { release.Wait(); })) << row.what;
        dispatched = 0;
        EXPECT_FALSE(worker.Wait(row.timeout, during)) << row.what;
        EXPECT_TRUE(worker.IsRunning()) << row.what;
        EXPECT_EQ(dispatched > 0, row.dispatching) << row.what;
        release.Set();
        EXPECT_TRUE(worker.Wait(WorkerThread::kInfinite, during)) << row.what;
        EXPECT_FALSE(worker.IsRunning()) << row.what;
        EXPECT_TRUE(worker.Wait(row.timeout, during)) << row.what << ": already joined";
    }
}

}  // namespace
