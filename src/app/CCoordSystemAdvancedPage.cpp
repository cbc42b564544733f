#include "CCoordSystemAdvancedPage.h"

#include "AppText.h"
#include "CPrecisionList.h"
#include "CRangeGroup.h"
#include "CoordSystem.h"
#include "RangeValidation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>

namespace {

constexpr unsigned kTemplate = 173;
constexpr unsigned kCaption = 17001;  // "Advanced"

void StoreRange(const CRangeGroup& group, ArgRange& range, bool& timesPi)
{
    timesPi = group.TimesPi();
    range.from = RangeValidation::ReadNumber(group.FirstText().c_str());
    range.to = RangeValidation::ReadNumber(group.SecondText().c_str());
    group.precision->StorePrecision(range.precision);
}

}  // namespace

CCoordSystemAdvancedPage::CCoordSystemAdvancedPage()
    : CPropertyPage(kTemplate, kCaption),
      polar(new CRangeGroup({17301, 17003, 17004, 174, true}, this)),
      parametric(new CRangeGroup({17302, 17003, 17004, 175, true}, this))
{
    RegisterControl(polar->first, 1150);
    RegisterControl(polar->second, 1151);
    RegisterControl(polar->timesPi, 1152);
    RegisterControl(polar->precision, 1153);
    RegisterControl(parametric->first, 1158);
    RegisterControl(parametric->second, 1159);
    RegisterControl(parametric->timesPi, 1160);
    RegisterControl(parametric->precision, 1161);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(polar);
    layout->addWidget(parametric);
    layout->addStretch();
}

void CCoordSystemAdvancedPage::LoadFrom(const CoordSystem& cs)
{
    polar->SetValues(cs.polarRange.from, cs.polarRange.to, cs.polarTimesPi);
    polar->precision->SetPrecision(cs.polarRange.precision);
    parametric->SetValues(cs.paramRange.from, cs.paramRange.to, cs.paramTimesPi);
    parametric->precision->SetPrecision(cs.paramRange.precision);
}

void CCoordSystemAdvancedPage::StoreTo(CoordSystem& cs) const
{
    StoreRange(*polar, cs.polarRange, cs.polarTimesPi);
    StoreRange(*parametric, cs.paramRange, cs.paramTimesPi);
}

bool CCoordSystemAdvancedPage::OnKillActive()
{
    // Both precisions first, then both ranges.
    for (CRangeGroup* group : {polar, parametric}) {
        if (const unsigned refusal = RangeValidation::CheckPrecisionSelected(group->precision->currentIndex())) {
            Refuse(refusal, kProgramNameCaption, group->precision);
            return false;
        }
    }
    for (CRangeGroup* group : {polar, parametric}) {
        if (const unsigned refusal = CheckGroup(*group)) {
            Refuse(refusal, kProgramNameCaption, group->RefusedField(refusal, group->precision));
            return false;
        }
    }
    return true;
}

unsigned CCoordSystemAdvancedPage::CheckGroup(const CRangeGroup& group)
{
    return RangeValidation::CheckRange(group.precision->currentIndex(), group.FirstText().c_str(),
                                       group.SecondText().c_str(), RangeValidation::Limit::ArgumentRange);
}
