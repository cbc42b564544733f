#include "app/RangeGroup.h"

#include "gui/AppBitmap.h"
#include "gui/AppText.h"
#include "app/PrecisionBox.h"
#include "model/RangeValidation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

RangeGroup::RangeGroup(const Layout& layout, QWidget* parent)
    : QGroupBox(AppText(layout.titleId), parent),
      first(new QLineEdit(this)),
      second(new QLineEdit(this)),
      timesPi(new QCheckBox(AppText(StringId::TimesPi), this))
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(AppText(layout.firstLabelId), this), 0, 0);
    grid->addWidget(first, 0, 1);
    grid->addWidget(new QLabel(AppText(layout.secondLabelId), this), 1, 0);
    grid->addWidget(second, 1, 1);
    grid->addWidget(timesPi, 2, 1);
    if (layout.withPrecision) {
        precision = new PrecisionBox(this);
        grid->addWidget(new QLabel(AppText(StringId::RangePrecisionLabel), this), 3, 0);
        grid->addWidget(precision, 3, 1);
    }
    if (layout.picture) {
        auto* picture = new QLabel(this);
        picture->setPixmap(LoadAppBitmap(*layout.picture));
        picture->setAlignment(Qt::AlignCenter);
        grid->addWidget(picture, 0, 2, grid->rowCount(), 1);
    }
    grid->setColumnStretch(1, 1);
}

void RangeGroup::SetValues(double firstValue, double secondValue, bool piFactor)
{
    first->setText(FormatNumber(firstValue));
    second->setText(FormatNumber(secondValue));
    timesPi->setChecked(piFactor);
}

std::string RangeGroup::FirstText() const
{
    return first->text().toStdString();
}

std::string RangeGroup::SecondText() const
{
    return second->text().toStdString();
}

bool RangeGroup::TimesPi() const
{
    return timesPi->isChecked();
}

QWidget* RangeGroup::RefusedField(StringId refusal, QWidget* precisionList) const
{
    if (refusal == StringId::NoPrecision)
        return precisionList;
    if (first->text().isEmpty() || !second->text().isEmpty())
        return first;
    return second;
}
