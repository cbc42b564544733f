#include "QtIntegralSink.h"

#include "IntegralEvent.h"

#include <QCoreApplication>

#include <utility>

void QtIntegralSink::IntegralProgress(int percent)
{
    QCoreApplication::postEvent(target, new IntegralEvent(WM_INTEGRAL_PROGRESS, percent));
}

void QtIntegralSink::IntegralDone(IntegralOutcome outcome, std::optional<CExprException> error)
{
    QCoreApplication::postEvent(target, new IntegralEvent(WM_INTEGRAL_DONE, outcome, std::move(error)));
}
