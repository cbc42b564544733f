#include "tools/dialogs/QtIntegralSink.h"

#include "tools/dialogs/IntegralEvent.h"

#include <QCoreApplication>

#include <utility>

void QtIntegralSink::IntegralProgress(int percent)
{
    QCoreApplication::postEvent(target, new IntegralEvent(percent));
}

void QtIntegralSink::IntegralDone(IntegralResult result)
{
    QCoreApplication::postEvent(target, new IntegralEvent(std::move(result)));
}
