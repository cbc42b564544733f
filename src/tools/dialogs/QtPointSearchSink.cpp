#include "tools/dialogs/QtPointSearchSink.h"

#include "tools/dialogs/PointSearchEvent.h"

#include <QCoreApplication>

#include <utility>

void QtPointSearchSink::SearchProgress(int percent)
{
    QCoreApplication::postEvent(m_target, new PointSearchEvent(percent));
}

void QtPointSearchSink::SearchDone(SearchOutcome outcome, std::vector<FoundPoint> points,
                                   std::optional<CExprException> error)
{
    QCoreApplication::postEvent(m_target, new PointSearchEvent(outcome, std::move(points), std::move(error)));
}
