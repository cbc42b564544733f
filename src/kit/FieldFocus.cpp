#include "kit/FieldFocus.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool TakesTabFocus(const QWidget* widget, const QWidget* container)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(container)
           && !qobject_cast<const QPushButton*>(widget);
}

}  // namespace

void FocusField(QWidget* field)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

QWidget* FirstInputField(QWidget* container)
{
    QWidget* firstControl = nullptr;
    // The chain runs through the whole window; only the container's own
    // controls count.
    for (QWidget* widget = container->nextInFocusChain(); widget != container; widget = widget->nextInFocusChain()) {
        if (!container->isAncestorOf(widget) || !TakesTabFocus(widget, container))
            continue;
        if (qobject_cast<QLineEdit*>(widget))
            return widget;
        if (!firstControl)
            firstControl = widget;
    }
    return firstControl;
}
