#include "QtComputationSink.h"

#include "GraphDoneEvent.h"
#include "GraphProgressEvent.h"

#include <QCoreApplication>

#include <utility>

QtComputationSink::QtComputationSink(QObject* view, QObject* progress) : view(view), progress(progress)
{
}

void QtComputationSink::GraphProgress(int percent, int displayedCount, int slot)
{
    if (progress)
        QCoreApplication::postEvent(progress, new GraphProgressEvent(percent, displayedCount, slot));
}

void QtComputationSink::GraphDone(bool ok, std::optional<ComputationFailure> failure)
{
    if (view)
        QCoreApplication::postEvent(view, new GraphDoneEvent(ok, std::move(failure)));
}
