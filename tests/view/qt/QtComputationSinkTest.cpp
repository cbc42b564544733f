// The worker's reports arrive as posted events on the user interface thread.

#include "view/qt/GraphDoneEvent.h"
#include "view/qt/GraphProgressEvent.h"
#include "view/qt/QtComputationSink.h"
#include "ViewTestSupport.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <utility>
#include <thread>

namespace {

// Records the graph events it receives, on its own thread only.
class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        onOwnThread = onOwnThread && QThread::currentThread() == thread();
        if (e->type() == WM_GRAPH_PROGRESS) {
            const auto* report = static_cast<GraphProgressEvent*>(e);
            percents.push_back(report->Percent());
            counts.push_back({report->CompleteCount(), report->DisplayedCount()});
        } else if (e->type() == WM_GRAPH_DONE) {
            const auto* done = static_cast<GraphDoneEvent*>(e);
            results.push_back(done->Succeeded() ? 1 : 0);
            const auto& failure = done->Failure();
            errors.push_back(failure && failure->Error() ? failure->Error()->Code() : 0);
            failedGraphs.push_back(failure ? failure->Graph() : -1);
        } else {
            return QObject::event(e);
        }
        return true;
    }

    std::vector<int> percents, results, errors, failedGraphs;
    std::vector<std::pair<int, int>> counts;  // complete of displayed
    bool onOwnThread = true;
};

TEST_F(ComputationFixture, QtSinkSendsProgressToTheProgressWindowAndTheEndWithItsErrorToTheView)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    Receiver view, progress;
    QtComputationSink qtSink(&view, &progress);
    Add("x");
    Add("x^2");
    Add("(x");
    ASSERT_TRUE(m_computation.Collect(m_doc));
    ASSERT_TRUE(m_computation.Start(m_doc, qtSink));
    ASSERT_TRUE(m_computation.Wait(WorkerThread::kInfinite, [] { QCoreApplication::processEvents(); }));
    QCoreApplication::sendPostedEvents();
    // The computation takes far less than the interval: its first report
    // gets through, with nothing complete of three displayed.
    ASSERT_FALSE(progress.percents.empty());
    EXPECT_GE(progress.percents.front(), 1);
    EXPECT_LE(progress.percents.front(), 99);
    EXPECT_EQ(progress.counts.front(), std::make_pair(0, 3));
    EXPECT_TRUE(progress.results.empty());
    EXPECT_TRUE(view.percents.empty());
    EXPECT_EQ(view.results, std::vector<int>{0});
    EXPECT_EQ(view.errors, std::vector<int>{1004});
    EXPECT_EQ(view.failedGraphs, std::vector<int>{2});
    EXPECT_TRUE(view.onOwnThread && progress.onOwnThread);
}

// Reports faster than the interval are left out; the ones that get through
// arrive as they were made.
TEST(QtComputationSinkTest, ProgressReachesTheWindowAtMostOnceAnInterval)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    Receiver progress;
    QtComputationSink sink(nullptr, &progress);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= 5000; ++i)
        sink.GraphProgress(1 + i % 99, 15, i % 15);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    QCoreApplication::sendPostedEvents();
    const auto intervals = static_cast<size_t>(elapsed / QtComputationSink::kProgressInterval);
    EXPECT_GE(progress.percents.size(), 1u);
    EXPECT_LE(progress.percents.size(), 1 + intervals);
    EXPECT_EQ(progress.percents.front(), 2);
    EXPECT_EQ(progress.counts.front(), std::make_pair(1, 15));

    std::this_thread::sleep_for(QtComputationSink::kProgressInterval);
    const size_t before = progress.percents.size();
    sink.GraphProgress(42, 15, 7);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(progress.percents.size(), before + 1);
    EXPECT_EQ(progress.percents.back(), 42);
    EXPECT_EQ(progress.counts.back(), std::make_pair(7, 15));
}

}  // namespace
