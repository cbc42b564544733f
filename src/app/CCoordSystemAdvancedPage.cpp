#include "app/CCoordSystemAdvancedPage.h"

#include "gui/AppText.h"
#include "app/PrecisionBox.h"
#include "app/RangeGroup.h"
#include "model/CoordSystem.h"
#include "model/RangeValidation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>

namespace {

void StoreRange(const RangeGroup& group, ArgRange& range, bool& timesPi)
{
    timesPi = group.TimesPi();
    range.from = RangeValidation::ReadNumber(group.FirstText().c_str());
    range.to = RangeValidation::ReadNumber(group.SecondText().c_str());
    group.precision->StorePrecision(range.precision);
}

}  // namespace

CCoordSystemAdvancedPage::CCoordSystemAdvancedPage()
    : CPropertyPage(DialogId::CoordSystemAdvanced, StringId::AdvancedPage),
      m_polar(new RangeGroup({StringId::PolarDefaultsTitle, StringId::From, StringId::To, BitmapId::PolarPicture, true}, this)),
      m_parametric(new RangeGroup({StringId::ParametricDefaultsTitle, StringId::From, StringId::To, BitmapId::ParametricPicture,
                                               true}, this))
{
    RegisterControl(m_polar->first, 1150);
    RegisterControl(m_polar->second, 1151);
    RegisterControl(m_polar->timesPi, 1152);
    RegisterControl(m_polar->precision, 1153);
    RegisterControl(m_parametric->first, 1158);
    RegisterControl(m_parametric->second, 1159);
    RegisterControl(m_parametric->timesPi, 1160);
    RegisterControl(m_parametric->precision, 1161);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_polar);
    layout->addWidget(m_parametric);
    layout->addStretch();
}

void CCoordSystemAdvancedPage::LoadFrom(const CoordSystem& cs)
{
    m_polar->SetValues(cs.polarRange.from, cs.polarRange.to, cs.polarTimesPi);
    m_polar->precision->SetPrecision(cs.polarRange.precision);
    m_parametric->SetValues(cs.paramRange.from, cs.paramRange.to, cs.paramTimesPi);
    m_parametric->precision->SetPrecision(cs.paramRange.precision);
}

void CCoordSystemAdvancedPage::StoreTo(CoordSystem& cs) const
{
    StoreRange(*m_polar, cs.polarRange, cs.polarTimesPi);
    StoreRange(*m_parametric, cs.paramRange, cs.paramTimesPi);
}

bool CCoordSystemAdvancedPage::OnKillActive()
{
    // Both precisions first, then both ranges.
    for (RangeGroup* group : {m_polar, m_parametric}) {
        if (const auto refusal = RangeValidation::CheckPrecisionSelected(group->precision->currentIndex())) {
            Refuse(*refusal, StringId::ProgramName, group->precision);
            return false;
        }
    }
    for (RangeGroup* group : {m_polar, m_parametric}) {
        if (const auto refusal = CheckGroup(*group)) {
            Refuse(*refusal, StringId::ProgramName, group->RefusedField(*refusal, group->precision));
            return false;
        }
    }
    return true;
}

RangeValidation::Refusal CCoordSystemAdvancedPage::CheckGroup(const RangeGroup& group)
{
    return RangeValidation::CheckRange(group.precision->currentIndex(), group.FirstText().c_str(),
                                       group.SecondText().c_str(), RangeValidation::Limit::ArgumentRange);
}
