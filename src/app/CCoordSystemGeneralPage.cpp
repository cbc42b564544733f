#include "app/CCoordSystemGeneralPage.h"

#include "gui/AppBitmap.h"
#include "gui/AppText.h"
#include "app/CCoordSystemAdvancedPage.h"
#include "app/PrecisionBox.h"
#include "app/RangeGroup.h"
#include "model/CoordSystem.h"
#include "model/RangeValidation.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QPushButton>

CCoordSystemGeneralPage::CCoordSystemGeneralPage()
    : CPropertyPage(DialogId::CoordSystemGeneral, StringId::GeneralPage),
      m_vertical(new RangeGroup({StringId::VerticalTitle, StringId::TopLabel, StringId::BottomLabel, BitmapId::VerticalPicture, false}, this)),
      m_horizontal(new RangeGroup({StringId::HorizontalTitle, StringId::LeftLabel, StringId::RightLabel, BitmapId::HorizontalPicture,
                                               false}, this)),
      m_precision(new PrecisionBox(this)),
      m_importButton(new QPushButton(AppText(StringId::ImportSettings), this))
{
    RegisterControl(m_vertical->first, 1060);
    RegisterControl(m_vertical->second, 1061);
    RegisterControl(m_vertical->timesPi, 1157);
    RegisterControl(m_horizontal->first, 1057);
    RegisterControl(m_horizontal->second, 1058);
    RegisterControl(m_horizontal->timesPi, 1059);
    RegisterControl(m_precision, 1064);
    RegisterControl(m_importButton, 1188);

    auto* precisionGroup = new QGroupBox(AppText(StringId::DefaultPrecisionTitle), this);
    auto* precisionRow = new QHBoxLayout(precisionGroup);
    precisionRow->addWidget(m_precision, 1);
    auto* picture = new QLabel(precisionGroup);
    picture->setPixmap(LoadAppBitmap(BitmapId::PrecisionPicture));
    precisionRow->addWidget(picture);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(AppText(StringId::CoordSystemHeading), this));
    layout->addWidget(m_vertical);
    layout->addWidget(m_horizontal);
    layout->addWidget(precisionGroup);
    layout->addWidget(m_importButton, 0, Qt::AlignLeft);
    layout->addStretch();
    m_importButton->hide();
    connect(m_importButton, &QPushButton::clicked, this, &CCoordSystemGeneralPage::OnImport);
}

void CCoordSystemGeneralPage::LoadFrom(const CoordSystem& cs)
{
    m_vertical->SetValues(cs.top, cs.bottom, cs.yTimesPi);
    m_horizontal->SetValues(cs.left, cs.right, cs.xTimesPi);
    m_precision->SetPrecision(cs.precision);
}

void CCoordSystemGeneralPage::StoreTo(CoordSystem& cs) const
{
    cs.xTimesPi = m_horizontal->TimesPi();
    cs.yTimesPi = m_vertical->TimesPi();
    cs.left = RangeValidation::ReadNumber(m_horizontal->FirstText().c_str());
    cs.right = RangeValidation::ReadNumber(m_horizontal->SecondText().c_str());
    cs.bottom = RangeValidation::ReadNumber(m_vertical->SecondText().c_str());
    cs.top = RangeValidation::ReadNumber(m_vertical->FirstText().c_str());
    m_precision->StorePrecision(cs.precision);
}

void CCoordSystemGeneralPage::OnInitDialog()
{
    m_importButton->setVisible(importAllowed);
}

bool CCoordSystemGeneralPage::OnKillActive()
{
    // The horizontal edges set the sampled range: precision, order and size.
    // The vertical edges need only be in order.
    RangeValidation::Refusal refusal = RangeValidation::CheckRange(m_precision->currentIndex(), m_horizontal->FirstText().c_str(),
                                                   m_horizontal->SecondText().c_str(),
                                                   RangeValidation::Limit::CoordinateEdges);
    const RangeGroup* group = m_horizontal;
    if (!refusal) {
        refusal = RangeValidation::CheckVerticalEdges(m_vertical->FirstText().c_str(), m_vertical->SecondText().c_str());
        group = m_vertical;
    }
    if (refusal) {
        Refuse(*refusal, StringId::ProgramName, group->RefusedField(*refusal, m_precision));
        return false;
    }
    return true;
}

void CCoordSystemGeneralPage::OnImport()
{
    if (!importSource)
        return;
    LoadFrom(*importSource);
    if (advancedPage)
        advancedPage->LoadFrom(*importSource);
}
