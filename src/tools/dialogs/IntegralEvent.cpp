#include "IntegralEvent.h"

#include <utility>

IntegralEvent::IntegralEvent(int percent) : QEvent(WM_INTEGRAL_PROGRESS), percent(percent) {}

IntegralEvent::IntegralEvent(IntegralResult result) : QEvent(WM_INTEGRAL_DONE), result(std::move(result)) {}
