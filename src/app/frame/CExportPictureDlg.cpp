#include "app/frame/CExportPictureDlg.h"

#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "gui/AppText.h"
#include "kit/DrivenModal.h"
#include "view/geometry/ExportExtent.h"
#include "HelpContext.h"
#include "kit/HelpKey.h"
#include "IdConversions.h"
#include "kit/HelpRequests.h"
#include "kit/MessageBoxStyle.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kScales = 3;

QSpinBox* SideBox(int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(1, ExportExtent::kLargestSide);
    box->setValue(value);
    return box;
}

}  // namespace

CExportPictureDlg::CExportPictureDlg(const AppSettings& settings, PixelSize viewSize, PixelSize wholeSize,
                                     QWidget* parent)
    : QDialog(parent), viewClient(viewSize), wholeClient(wholeSize)
{
    setWindowTitle(AppText(StringId::ExportCaption));
    InstallHelpKey(*this, HelpContext::OfDialog(DialogId::ExportPicture));
    CreateControls(settings);
    EnableControls();
}

void CExportPictureDlg::CreateControls(const AppSettings& settings)
{
    auto* formatGroup = new QGroupBox(AppText(StringId::ExportFormatGroup), this);
    auto* formatLayout = new QVBoxLayout(formatGroup);
    formats = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(AppText(StringAfter(StringId::FirstExportFormat, static_cast<unsigned>(i))), formatGroup);
        formats->addButton(button, i);
        formatLayout->addWidget(button);
    }
    formats->button(settings.ExportFormat)->setChecked(true);

    auto* sizeGroup = new QGroupBox(AppText(StringId::ExportSizeGroup), this);
    auto* sizeLayout = new QGridLayout(sizeGroup);
    viewSizeButton = new QRadioButton(AppText(StringId::ExportViewSize).arg(viewClient.width).arg(viewClient.height), sizeGroup);
    customSizeButton = new QRadioButton(AppText(StringId::ExportCustomSize), sizeGroup);
    widthBox = SideBox(settings.ExportWidth, sizeGroup);
    heightBox = SideBox(settings.ExportHeight, sizeGroup);
    scaleBox = new QComboBox(sizeGroup);
    for (int i = 0; i < kScales; ++i)
        scaleBox->addItem(AppText(StringAfter(StringId::FirstExportScale, static_cast<unsigned>(i))), i + 1);
    scaleBox->setCurrentIndex(settings.ExportScale - 1);
    (settings.ExportViewSize ? viewSizeButton : customSizeButton)->setChecked(true);
    auto* scaleLabel = new QLabel(AppText(StringId::ExportScaleLabel), sizeGroup);
    scaleLabel->setBuddy(scaleBox);
    sizeLayout->addWidget(viewSizeButton, 0, 0, 1, 4);
    sizeLayout->addWidget(customSizeButton, 1, 0);
    sizeLayout->addWidget(widthBox, 1, 1);
    sizeLayout->addWidget(new QLabel(AppText(StringId::ExportTimes), sizeGroup), 1, 2);
    sizeLayout->addWidget(heightBox, 1, 3);
    sizeLayout->addWidget(scaleLabel, 2, 0);
    sizeLayout->addWidget(scaleBox, 2, 1);

    auto* extentGroup = new QGroupBox(AppText(StringId::ExportExtentGroup), this);
    auto* extentLayout = new QVBoxLayout(extentGroup);
    visibleButton = new QRadioButton(AppText(StringId::ExportVisible), extentGroup);
    const bool wholeFits = ExportExtent::ScaledSize(wholeClient, 1).has_value();
    wholeButton = new QRadioButton(
        wholeFits ? AppText(StringId::ExportWhole).arg(wholeClient.width).arg(wholeClient.height) : AppText(StringId::ExportWholeTooLarge),
        extentGroup);
    wholeButton->setEnabled(wholeFits);
    visibleButton->setChecked(true);
    extentLayout->addWidget(visibleButton);
    extentLayout->addWidget(wholeButton);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(AppText(StringId::ExportOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(AppText(StringId::ExportCancel), QDialogButtonBox::RejectRole);
    buttons->addButton(AppText(StringId::HelpButton), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { HelpRequests::Submit({HelpContext::OfDialog(DialogId::ExportPicture), 0, false}); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton* button : {viewSizeButton, customSizeButton, visibleButton, wholeButton})
        connect(button, &QRadioButton::toggled, this, [this] { EnableControls(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formatGroup);
    layout->addWidget(sizeGroup);
    layout->addWidget(extentGroup);
    layout->addWidget(buttons);
}

// The whole picture has its own size; width and height count only when chosen.
void CExportPictureDlg::EnableControls()
{
    const bool whole = wholeButton->isChecked();
    viewSizeButton->setEnabled(!whole);
    customSizeButton->setEnabled(!whole);
    widthBox->setEnabled(!whole && customSizeButton->isChecked());
    heightBox->setEnabled(!whole && customSizeButton->isChecked());
}

int CExportPictureDlg::DoModal()
{
    return DrivenModal<CExportPictureDlg>::Run(*this);
}

void CExportPictureDlg::SetTestDriver(TestDriver driver)
{
    DrivenModal<CExportPictureDlg>::SetDriver(std::move(driver));
}

void CExportPictureDlg::SelectFormat(PictureFile::Format format)
{
    formats->button(static_cast<int>(format))->setChecked(true);
}

void CExportPictureDlg::SetCustomSize(int width, int height)
{
    customSizeButton->setChecked(true);
    widthBox->setValue(width);
    heightBox->setValue(height);
}

void CExportPictureDlg::SetScale(int scale)
{
    scaleBox->setCurrentIndex(scale - 1);
}

void CExportPictureDlg::SetWhole(bool whole)
{
    (whole ? wholeButton : visibleButton)->setChecked(true);
}

CExportPictureDlg::Choice CExportPictureDlg::Read() const
{
    Choice choice;
    choice.format = static_cast<PictureFile::Format>(formats->checkedId());
    choice.viewSize = viewSizeButton->isChecked();
    choice.scale = scaleBox->currentData().toInt();
    choice.whole = wholeButton->isChecked();
    if (choice.whole)
        choice.size = wholeClient;
    else if (choice.viewSize)
        choice.size = viewClient;
    else
        choice.size = {widthBox->value(), heightBox->value()};
    return choice;
}

void CExportPictureDlg::OnOK()
{
    const Choice choice = Read();
    if (!ExportExtent::ScaledSize(choice.size, choice.scale)) {
        const QString text = AppText(StringId::PictureTooLarge)
                                 .arg(std::int64_t{choice.size.width} * choice.scale)
                                 .arg(std::int64_t{choice.size.height} * choice.scale);
        AppMessageBox::Show(this, text, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    chosen = choice;
    accept();
}

void CExportPictureDlg::StoreTo(AppSettings& settings) const
{
    settings.ExportFormat = static_cast<std::int32_t>(chosen.format);
    settings.ExportViewSize = viewSizeButton->isChecked();
    settings.ExportWidth = widthBox->value();
    settings.ExportHeight = heightBox->value();
    settings.ExportScale = chosen.scale;
}
