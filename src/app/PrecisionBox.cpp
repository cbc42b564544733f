#include "app/PrecisionBox.h"

#include "gui/AppText.h"
#include "IdConversions.h"
#include "model/PrecisionSteps.h"

PrecisionBox::PrecisionBox(QWidget* parent)
    : QComboBox(parent)
{
    for (int index = 0; index < kPrecisionCount; ++index)
        addItem(AppText(StringAfter(StringId::FirstPrecisionItem, static_cast<unsigned>(index))));
    setCurrentIndex(-1);
}

void PrecisionBox::SetPrecision(std::int32_t precision)
{
    setCurrentIndex(IndexFromPrecision(precision));
}

void PrecisionBox::StorePrecision(std::int32_t& precision) const
{
    if (currentIndex() >= 0)
        precision = PrecisionFromIndex(currentIndex());
}
