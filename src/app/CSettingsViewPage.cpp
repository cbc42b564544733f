#include "CSettingsViewPage.h"

#include "AppText.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr unsigned kTemplate = 187;
constexpr unsigned kCaption = 19100;  // "View"

struct Radio {
    unsigned textId;
    int controlId;
};
constexpr Radio kGridSizeRadios[] = {{19107, 1176}, {19108, 1177}, {19109, 1178}};

QGroupBox* NewGroup(unsigned titleId, QWidget* parent)
{
    auto* group = new QGroupBox(AppText(titleId), parent);
    new QVBoxLayout(group);
    return group;
}

}  // namespace

CSettingsViewPage::CSettingsViewPage() : CPropertyPage(kTemplate, kCaption)
{
    QGroupBox* general = NewGroup(19101, this);
    currPosBox = AddCheck(general, 19102, 1179);
    gridBox = AddCheck(general, 19103, 1180);
    splashBox = AddCheck(general, 19104, 1174);
    logoBox = AddCheck(general, 19105, 1181);

    gridSizeGroup = NewGroup(19106, this);
    RegisterControl(gridSizeGroup, 1182);
    gridSizeButtons = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(AppText(kGridSizeRadios[i].textId), gridSizeGroup);
        RegisterControl(radio, kGridSizeRadios[i].controlId);
        gridSizeGroup->layout()->addWidget(radio);
        gridSizeButtons->addButton(radio, i);
    }

    QGroupBox* chrome = NewGroup(19110, this);
    colorButtonsBox = AddCheck(chrome, 19111, 1243);
    watermarkBox = AddCheck(chrome, 19112, 1242);

    auto* top = new QHBoxLayout;
    top->addWidget(general, 1);
    top->addWidget(gridSizeGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(chrome);
    layout->addStretch();

    QObject::connect(gridBox, &QCheckBox::clicked, this, [this] {
        ReadControls();
        EnableGridSize();
    });
}

QCheckBox* CSettingsViewPage::AddCheck(QWidget* group, unsigned textId, int controlId)
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
    gridSize = gridSizeButtons->checkedId();
}

void CSettingsViewPage::EnableGridSize()
{
    // Disabling the group disables its radios too; they keep their value.
    gridSizeGroup->setEnabled(showGrid);
}
