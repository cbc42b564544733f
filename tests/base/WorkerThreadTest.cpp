// The worker thread and the event it ends with.

#include "base/ManualResetEvent.h"
#include "base/WorkerThread.h"

#include <gtest/gtest.h>

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

}  // namespace
