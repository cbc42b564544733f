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
    m_currPosBox = AddCheck(general, StringId::ShowCursorPosition, 1179);
    m_gridBox = AddCheck(general, StringId::ShowGrid, 1180);
    m_splashBox = AddCheck(general, StringId::ShowSplash, 1174);
    m_logoBox = AddCheck(general, StringId::ShowLogo, 1181);

    m_gridSizeGroup = NewGroup(StringId::GridSizeGroup, this);
    RegisterControl(m_gridSizeGroup, 1182);
    m_gridSizeButtons = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(AppText(kGridSizeRadios[i].textId), m_gridSizeGroup);
        RegisterControl(radio, kGridSizeRadios[i].controlId);
        m_gridSizeGroup->layout()->addWidget(radio);
        m_gridSizeButtons->addButton(radio, i);
    }

    QGroupBox* curves = NewGroup(StringId::CurvesGroup, this);
    m_smoothBox = AddCheck(curves, StringId::SmoothCurves, kSmoothCurvesBox);
    m_widthList = new QComboBox(curves);
    RegisterControl(m_widthList, kCurveWidthList);
    for (int width = 1; width <= kWidestCurve; ++width)
        m_widthList->addItem(AppText(StringId::CurveWidthItem).arg(width));  // "%1 px"
    auto* widthLabel = new QLabel(AppText(StringId::CurveWidthLabel), curves);  // "Curve &width:"
    widthLabel->setBuddy(m_widthList);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(widthLabel);
    widthRow->addWidget(m_widthList);
    widthRow->addStretch();
    static_cast<QVBoxLayout*>(curves->layout())->addLayout(widthRow);

    QGroupBox* chrome = NewGroup(StringId::ChromeGroup, this);
    m_colorButtonsBox = AddCheck(chrome, StringId::ColourDisabledButtons, 1243);
    m_watermarkBox = AddCheck(chrome, StringId::UseWatermark, 1242);

    auto* top = new QHBoxLayout;
    top->addWidget(general, 1);
    top->addWidget(m_gridSizeGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(curves);
    layout->addWidget(chrome);
    layout->addStretch();

    QObject::connect(m_gridBox, &QCheckBox::clicked, this, [this] {
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
    m_currPosBox->setChecked(showCurrPos);
    m_gridBox->setChecked(showGrid);
    m_splashBox->setChecked(showSplash);
    m_logoBox->setChecked(showLogo);
    m_colorButtonsBox->setChecked(drawDisabledButtonsInColor);
    m_watermarkBox->setChecked(useWatermark);
    m_smoothBox->setChecked(smoothCurves);
    m_widthList->setCurrentIndex(curveWidth - 1);
    // An exclusive group cannot show "none chosen"; lift that while writing.
    m_gridSizeButtons->setExclusive(false);
    for (QAbstractButton* radio : m_gridSizeButtons->buttons())
        radio->setChecked(m_gridSizeButtons->id(radio) == gridSize);
    m_gridSizeButtons->setExclusive(true);
}

void CSettingsViewPage::ReadControls()
{
    showCurrPos = m_currPosBox->isChecked();
    showGrid = m_gridBox->isChecked();
    showSplash = m_splashBox->isChecked();
    showLogo = m_logoBox->isChecked();
    drawDisabledButtonsInColor = m_colorButtonsBox->isChecked();
    useWatermark = m_watermarkBox->isChecked();
    smoothCurves = m_smoothBox->isChecked();
    curveWidth = m_widthList->currentIndex() + 1;
    gridSize = m_gridSizeButtons->checkedId();
}

void CSettingsViewPage::EnableGridSize()
{
    // Disabling the group disables its radios too; they keep their value.
    m_gridSizeGroup->setEnabled(showGrid);
}
