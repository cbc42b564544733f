#include "tools/dialogs/QtIntegralSink.h"

#include "tools/dialogs/IntegralEvent.h"

#include <QCoreApplication>

#include <utility>

void QtIntegralSink::IntegralProgress(int percent)
{
    QCoreApplication::postEvent(m_target, new IntegralEvent(percent));
}

void QtIntegralSink::IntegralDone(IntegralResult result)
{
    QCoreApplication::postEvent(m_target, new IntegralEvent(std::move(result)));
}
