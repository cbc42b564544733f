// The worker's reports arrive as posted events on the user interface thread.

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "ComputeGraphsThread.h"
#include "GraphDoneEvent.h"
#include "GraphProgressEvent.h"
#include "InitExpressionEngine.h"
#include "MemorySettingsBackend.h"
#include "QtComputationSink.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the graph events it receives and the thread it receives them on.
class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        onOwnThread = onOwnThread && QThread::currentThread() == thread();
        if (e->type() == WM_GRAPH_PROGRESS) {
            const auto* progress = static_cast<GraphProgressEvent*>(e);
            percents.push_back(progress->wParam());
            lParams.push_back(progress->lParam());
            return true;
        }
        if (e->type() == WM_GRAPH_DONE) {
            const auto* done = static_cast<GraphDoneEvent*>(e);
            results.push_back(done->wParam());
            if (done->Error())
                errors.push_back(done->Error()->Code());
            return true;
        }
        return QObject::event(e);
    }

    std::vector<int> percents;
    std::vector<int> lParams;
    std::vector<int> results;
    std::vector<int> errors;
    bool onOwnThread = true;
};

class QtSink : public testing::Test {
protected:
    QtSink()
    {
        static const bool started = (InitExpressionEngine(), true);
        (void)started;
        doc.SetGraphWorker(ComputeGraphsThread);
    }

    // Refresh, then wait while dispatching events, then deliver the rest.
    void Run(const std::vector<const char*>& expressions)
    {
        for (const char* expression : expressions) {
            GraphItem item;
            item.expression = expression;
            doc.AddGraph(item);
        }
        ASSERT_TRUE(doc.CollectDisplayedGraphs());
        ASSERT_TRUE(doc.StartComputation(sink));
        ASSERT_TRUE(doc.WaitForComputation(WorkerThread::kInfinite, [] { QCoreApplication::processEvents(); }));
        QCoreApplication::sendPostedEvents();
    }

    int argc = 1;
    char name[8] = "test";
    char* argv[1] = {name};
    QCoreApplication app{argc, argv};
    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    Receiver view;
    Receiver progress;
    QtComputationSink sink{&view, &progress};
};

TEST_F(QtSink, ProgressGoesToTheProgressWindowAndTheEndToTheView)
{
    Run({"x", "x^2"});
    ASSERT_EQ(progress.percents.size(), 2u * 99);
    EXPECT_EQ(progress.percents.front(), 1);
    EXPECT_EQ(progress.percents.back(), 99);
    EXPECT_EQ(progress.lParams.front(), 2 << 16);
    EXPECT_EQ(progress.lParams.back(), (2 << 16) | 1);
    EXPECT_TRUE(progress.results.empty());
    EXPECT_EQ(view.results, std::vector<int>{1});
    EXPECT_TRUE(view.percents.empty());
    EXPECT_TRUE(view.onOwnThread && progress.onOwnThread);
}

TEST_F(QtSink, AFailureCarriesTheEngineError)
{
    Run({"x", "(x"});
    EXPECT_EQ(view.results, std::vector<int>{0});
    EXPECT_EQ(view.errors, std::vector<int>{1004});
}

}  // namespace
