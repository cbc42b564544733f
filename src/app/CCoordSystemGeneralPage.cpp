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
      vertical(new RangeGroup({StringId::VerticalTitle, StringId::TopLabel, StringId::BottomLabel, BitmapId::VerticalPicture, false}, this)),
      horizontal(new RangeGroup({StringId::HorizontalTitle, StringId::LeftLabel, StringId::RightLabel, BitmapId::HorizontalPicture,
                                               false}, this)),
      precision(new PrecisionBox(this)),
      importButton(new QPushButton(AppText(StringId::ImportSettings), this))
{
    RegisterControl(vertical->first, 1060);
    RegisterControl(vertical->second, 1061);
    RegisterControl(vertical->timesPi, 1157);
    RegisterControl(horizontal->first, 1057);
    RegisterControl(horizontal->second, 1058);
    RegisterControl(horizontal->timesPi, 1059);
    RegisterControl(precision, 1064);
    RegisterControl(importButton, 1188);

    auto* precisionGroup = new QGroupBox(AppText(StringId::DefaultPrecisionTitle), this);
    auto* precisionRow = new QHBoxLayout(precisionGroup);
    precisionRow->addWidget(precision, 1);
    auto* picture = new QLabel(precisionGroup);
    picture->setPixmap(LoadAppBitmap(BitmapId::PrecisionPicture));
    precisionRow->addWidget(picture);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(AppText(StringId::CoordSystemHeading), this));
    layout->addWidget(vertical);
    layout->addWidget(horizontal);
    layout->addWidget(precisionGroup);
    layout->addWidget(importButton, 0, Qt::AlignLeft);
    layout->addStretch();
    importButton->hide();
    connect(importButton, &QPushButton::clicked, this, &CCoordSystemGeneralPage::OnImport);
}

void CCoordSystemGeneralPage::LoadFrom(const CoordSystem& cs)
{
    vertical->SetValues(cs.top, cs.bottom, cs.yTimesPi);
    horizontal->SetValues(cs.left, cs.right, cs.xTimesPi);
    precision->SetPrecision(cs.precision);
}

void CCoordSystemGeneralPage::StoreTo(CoordSystem& cs) const
{
    cs.xTimesPi = horizontal->TimesPi();
    cs.yTimesPi = vertical->TimesPi();
    cs.left = RangeValidation::ReadNumber(horizontal->FirstText().c_str());
    cs.right = RangeValidation::ReadNumber(horizontal->SecondText().c_str());
    cs.bottom = RangeValidation::ReadNumber(vertical->SecondText().c_str());
    cs.top = RangeValidation::ReadNumber(vertical->FirstText().c_str());
    precision->StorePrecision(cs.precision);
}

void CCoordSystemGeneralPage::OnInitDialog()
{
    importButton->setVisible(importAllowed);
}

bool CCoordSystemGeneralPage::OnKillActive()
{
    // The horizontal edges set the sampled range: precision, order and size.
    // The vertical edges need only be in order.
    RangeValidation::Refusal refusal = RangeValidation::CheckRange(precision->currentIndex(), horizontal->FirstText().c_str(),
                                                   horizontal->SecondText().c_str(),
                                                   RangeValidation::Limit::CoordinateEdges);
    const RangeGroup* group = horizontal;
    if (!refusal) {
        refusal = RangeValidation::CheckVerticalEdges(vertical->FirstText().c_str(), vertical->SecondText().c_str());
        group = vertical;
    }
    if (refusal) {
        Refuse(*refusal, StringId::ProgramName, group->RefusedField(*refusal, precision));
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
