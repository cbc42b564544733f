#include "view/qt/QtComputationSink.h"

#include "view/qt/GraphDoneEvent.h"
#include "view/qt/GraphProgressEvent.h"

#include <QCoreApplication>

#include <utility>

QtComputationSink::QtComputationSink(QObject* viewObject, QObject* progressObject)
    : m_view(viewObject), m_progress(progressObject)
{
}

void QtComputationSink::GraphProgress(int percent, int displayedCount, int complete)
{
    if (!m_progress)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_posted && now - m_lastPosted < kProgressInterval)
        return;
    m_posted = true;
    m_lastPosted = now;
    QCoreApplication::postEvent(m_progress, new GraphProgressEvent(percent, displayedCount, complete));
}

void QtComputationSink::GraphDone(bool ok, std::optional<ComputationFailure> failure)
{
    if (m_view)
        QCoreApplication::postEvent(m_view, new GraphDoneEvent(ok, std::move(failure)));
}
