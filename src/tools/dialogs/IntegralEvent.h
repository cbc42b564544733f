#pragma once

#include "tools/IntegralResult.h"

#include <QEvent>

// An integral run's reports to the results page, posted by QtIntegralSink:
// WM_INTEGRAL_PROGRESS with the percent done and WM_INTEGRAL_DONE with the
// run's results.
inline const QEvent::Type WM_INTEGRAL_DONE = static_cast<QEvent::Type>(QEvent::User + 4);
inline const QEvent::Type WM_INTEGRAL_PROGRESS = static_cast<QEvent::Type>(QEvent::User + 5);

class IntegralEvent : public QEvent {
public:
    explicit IntegralEvent(int percent);
    explicit IntegralEvent(IntegralResult result);

    int Percent() const { return m_percent; }
    const IntegralResult& Result() const { return m_result; }

private:
    int m_percent = 0;
    IntegralResult m_result;
};
