#pragma once

#include "CExprException.h"

#include <QEvent>

#include <optional>

// The integral worker's reports to the results page, posted by
// QtIntegralSink: WM_INTEGRAL_DONE (wParam the outcome) and
// WM_INTEGRAL_PROGRESS (wParam the percent done).
inline const QEvent::Type WM_INTEGRAL_DONE = static_cast<QEvent::Type>(QEvent::User + 4);
inline const QEvent::Type WM_INTEGRAL_PROGRESS = static_cast<QEvent::Type>(QEvent::User + 5);

class IntegralEvent : public QEvent {
public:
    IntegralEvent(QEvent::Type type, int wParam, std::optional<CExprException> error = std::nullopt);

    int wParam() const { return value; }
    // The engine's error of a run that failed.
    const std::optional<CExprException>& Error() const { return error; }

private:
    int value;
    std::optional<CExprException> error;
};
