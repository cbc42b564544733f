#include "tools/dialogs/IntegralEvent.h"

#include <utility>

IntegralEvent::IntegralEvent(int percentDone) : QEvent(WM_INTEGRAL_PROGRESS), percent(percentDone) {}

IntegralEvent::IntegralEvent(IntegralResult integral) : QEvent(WM_INTEGRAL_DONE), result(std::move(integral)) {}
