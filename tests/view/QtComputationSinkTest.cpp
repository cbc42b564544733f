// The worker's reports arrive as posted events on the user interface thread.

#include "GraphDoneEvent.h"
#include "GraphProgressEvent.h"
#include "QtComputationSink.h"
#include "ViewTestSupport.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// Records the graph events it receives, on its own thread only.
class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        onOwnThread = onOwnThread && QThread::currentThread() == thread();
        if (e->type() == WM_GRAPH_PROGRESS) {
            percents.push_back(static_cast<GraphProgressEvent*>(e)->wParam());
            lParams.push_back(static_cast<GraphProgressEvent*>(e)->lParam());
        } else if (e->type() == WM_GRAPH_DONE) {
            const auto* done = static_cast<GraphDoneEvent*>(e);
            results.push_back(done->wParam());
            const auto& failure = done->Failure();
            errors.push_back(failure && failure->Error() ? failure->Error()->Code() : 0);
            failedGraphs.push_back(failure ? failure->Graph() : -1);
        } else {
            return QObject::event(e);
        }
        return true;
    }

    std::vector<int> percents, lParams, results, errors, failedGraphs;
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
    ASSERT_TRUE(doc.CollectDisplayedGraphs());
    ASSERT_TRUE(doc.StartComputation(qtSink));
    ASSERT_TRUE(doc.WaitForComputation(WorkerThread::kInfinite, [] { QCoreApplication::processEvents(); }));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(progress.percents.size(), 2u * 99);
    EXPECT_EQ(progress.percents.front(), 1);
    EXPECT_EQ(progress.percents.back(), 99);
    EXPECT_EQ(progress.lParams.front(), 3 << 16);  // three displayed, slot 0
    EXPECT_EQ(progress.lParams.back(), (3 << 16) | 1);
    EXPECT_TRUE(progress.results.empty());
    EXPECT_TRUE(view.percents.empty());
    EXPECT_EQ(view.results, std::vector<int>{0});
    EXPECT_EQ(view.errors, std::vector<int>{1004});
    EXPECT_EQ(view.failedGraphs, std::vector<int>{2});
    EXPECT_TRUE(view.onOwnThread && progress.onOwnThread);
}

}  // namespace
