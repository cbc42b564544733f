#include "view/qt/QtComputationSink.h"

#include "view/qt/GraphDoneEvent.h"
#include "view/qt/GraphProgressEvent.h"

#include <QCoreApplication>

#include <utility>

QtComputationSink::QtComputationSink(QObject* viewObject, QObject* progressObject)
    : view(viewObject), progress(progressObject)
{
}

void QtComputationSink::GraphProgress(int percent, int displayedCount, int complete)
{
    if (!progress)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (posted && now - lastPosted < kProgressInterval)
        return;
    posted = true;
    lastPosted = now;
    QCoreApplication::postEvent(progress, new GraphProgressEvent(percent, displayedCount, complete));
}

void QtComputationSink::GraphDone(bool ok, std::optional<ComputationFailure> failure)
{
    if (view)
        QCoreApplication::postEvent(view, new GraphDoneEvent(ok, std::move(failure)));
}
