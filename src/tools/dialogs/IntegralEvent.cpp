#include "IntegralEvent.h"

#include <utility>

IntegralEvent::IntegralEvent(QEvent::Type type, int wParam, std::optional<CExprException> error)
    : QEvent(type), value(wParam), error(std::move(error))
{
}
