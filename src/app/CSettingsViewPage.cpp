#include "app/CSettingsViewPage.h"

#include "gui/AppText.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

struct Radio {
    StringId textId;
    int controlId;
};
constexpr Radio kGridSizeRadios[] = {{StringId::SmallGrid, 1176}, {StringId::NormalGrid, 1177}, {StringId::LargeGrid, 1178}};
constexpr int kSmoothCurvesBox = 1610;
constexpr int kCurveWidthList = 1611;
constexpr int kWidestCurve = 3;

QGroupBox* NewGroup(StringId titleId, QWidget* parent)
{
    auto* group = new QGroupBox(AppText(titleId), parent);
    new QVBoxLayout(group);
    return group;
}

}  // namespace

CSettingsViewPage::CSettingsViewPage() : CPropertyPage(DialogId::SettingsView, StringId::ViewPage)
{
    QGroupBox* general = NewGroup(StringId::GeneralGroup, this);
    currPosBox = AddCheck(general, StringId::ShowCursorPosition, 1179);
    gridBox = AddCheck(general, StringId::ShowGrid, 1180);
    splashBox = AddCheck(general, StringId::ShowSplash, 1174);
    logoBox = AddCheck(general, StringId::ShowLogo, 1181);

    gridSizeGroup = NewGroup(StringId::GridSizeGroup, this);
    RegisterControl(gridSizeGroup, 1182);
    gridSizeButtons = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(AppText(kGridSizeRadios[i].textId), gridSizeGroup);
        RegisterControl(radio, kGridSizeRadios[i].controlId);
        gridSizeGroup->layout()->addWidget(radio);
        gridSizeButtons->addButton(radio, i);
    }

    QGroupBox* curves = NewGroup(StringId::CurvesGroup, this);
    smoothBox = AddCheck(curves, StringId::SmoothCurves, kSmoothCurvesBox);
    widthList = new QComboBox(curves);
    RegisterControl(widthList, kCurveWidthList);
    for (int width = 1; width <= kWidestCurve; ++width)
        widthList->addItem(AppText(StringId::CurveWidthItem).arg(width));  // "%1 px"
    auto* widthLabel = new QLabel(AppText(StringId::CurveWidthLabel), curves);  // "Curve &width:"
    widthLabel->setBuddy(widthList);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(widthLabel);
    widthRow->addWidget(widthList);
    widthRow->addStretch();
    static_cast<QVBoxLayout*>(curves->layout())->addLayout(widthRow);

    QGroupBox* chrome = NewGroup(StringId::ChromeGroup, this);
    colorButtonsBox = AddCheck(chrome, StringId::ColourDisabledButtons, 1243);
    watermarkBox = AddCheck(chrome, StringId::UseWatermark, 1242);

    auto* top = new QHBoxLayout;
    top->addWidget(general, 1);
    top->addWidget(gridSizeGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(curves);
    layout->addWidget(chrome);
    layout->addStretch();

    QObject::connect(gridBox, &QCheckBox::clicked, this, [this] {
        ReadControls();
        EnableGridSize();
    });
}

QCheckBox* CSettingsViewPage::AddCheck(QWidget* group, StringId textId, int controlId)
{
    auto* box = new QCheckBox(AppText(textId), group);
    RegisterControl(box, controlId);
    group->layout()->addWidget(box);
    return box;
}

void CSettingsViewPage::OnInitDialog()
{
    WriteControls();
    EnableGridSize();
}

bool CSettingsViewPage::OnKillActive()
{
    ReadControls();
    return true;
}

void CSettingsViewPage::WriteControls()
{
    currPosBox->setChecked(showCurrPos);
    gridBox->setChecked(showGrid);
    splashBox->setChecked(showSplash);
    logoBox->setChecked(showLogo);
    colorButtonsBox->setChecked(drawDisabledButtonsInColor);
    watermarkBox->setChecked(useWatermark);
    smoothBox->setChecked(smoothCurves);
    widthList->setCurrentIndex(curveWidth - 1);
    // An exclusive group cannot show "none chosen"; lift that while writing.
    gridSizeButtons->setExclusive(false);
    for (QAbstractButton* radio : gridSizeButtons->buttons())
        radio->setChecked(gridSizeButtons->id(radio) == gridSize);
    gridSizeButtons->setExclusive(true);
}

void CSettingsViewPage::ReadControls()
{
    showCurrPos = currPosBox->isChecked();
    showGrid = gridBox->isChecked();
    showSplash = splashBox->isChecked();
    showLogo = logoBox->isChecked();
    drawDisabledButtonsInColor = colorButtonsBox->isChecked();
    useWatermark = watermarkBox->isChecked();
    smoothCurves = smoothBox->isChecked();
    curveWidth = widthList->currentIndex() + 1;
    gridSize = gridSizeButtons->checkedId();
}

void CSettingsViewPage::EnableGridSize()
{
    // Disabling the group disables its radios too; they keep their value.
    gridSizeGroup->setEnabled(showGrid);
}
