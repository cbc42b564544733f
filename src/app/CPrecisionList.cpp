#include "CPrecisionList.h"

#include "AppText.h"
#include "IdConversions.h"
#include "PrecisionList.h"

CPrecisionList::CPrecisionList(QWidget* parent)
    : QComboBox(parent)
{
    for (int index = 0; index < kPrecisionCount; ++index)
        addItem(AppText(StringAfter(StringId::FirstPrecisionItem, static_cast<unsigned>(index))));
    setCurrentIndex(-1);
}

void CPrecisionList::SetPrecision(std::int32_t precision)
{
    setCurrentIndex(IndexFromPrecision(precision));
}

void CPrecisionList::StorePrecision(std::int32_t& precision) const
{
    if (currentIndex() >= 0)
        precision = PrecisionFromIndex(currentIndex());
}
