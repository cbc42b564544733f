#include "tools/dialogs/IntegralEvent.h"

#include <utility>

IntegralEvent::IntegralEvent(int percentDone) : QEvent(WM_INTEGRAL_PROGRESS), m_percent(percentDone) {}

IntegralEvent::IntegralEvent(IntegralResult integral) : QEvent(WM_INTEGRAL_DONE), m_result(std::move(integral)) {}
