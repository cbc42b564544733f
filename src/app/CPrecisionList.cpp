#include "CPrecisionList.h"

#include "AppText.h"
#include "PrecisionList.h"

namespace {

constexpr unsigned kFirstItem = 17010;  // "100 %"

}  // namespace

CPrecisionList::CPrecisionList(QWidget* parent)
    : QComboBox(parent)
{
    for (int index = 0; index < kPrecisionCount; ++index)
        addItem(AppText(kFirstItem + index));
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
