#include "CExportPictureDlg.h"

#include "AppMessageBox.h"
#include "AppSettings.h"
#include "AppText.h"
#include "DrivenModal.h"
#include "ExportExtent.h"
#include "HelpKey.h"
#include "HelpRequests.h"
#include "MessageBoxStyle.h"

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

constexpr unsigned kCaption = 22200;
constexpr unsigned kFormatGroup = 22201;
constexpr unsigned kFormatNames = 22202;  // PNG, SVG, PDF
constexpr unsigned kSizeGroup = 22205;
constexpr unsigned kViewSize = 22206;
constexpr unsigned kCustomSize = 22207;
constexpr unsigned kTimes = 22208;
constexpr unsigned kScaleLabel = 22209;
constexpr unsigned kScaleNames = 22210;  // 1x, 2x, 3x
constexpr unsigned kExtentGroup = 22213;
constexpr unsigned kVisible = 22214;
constexpr unsigned kWhole = 22215;
constexpr unsigned kWholeTooLarge = 22216;
constexpr unsigned kOKCaption = 22222;
constexpr unsigned kCancelCaption = 22223;
constexpr unsigned kHelpCaption = 13009;
constexpr std::uint32_t kHelpId = 0x20000 + kCaption;  // the dialog's help topic
constexpr unsigned kTooLarge = 3800;
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
    setWindowTitle(AppText(kCaption));
    InstallHelpKey(*this, kHelpId);
    CreateControls(settings);
    EnableControls();
}

void CExportPictureDlg::CreateControls(const AppSettings& settings)
{
    auto* formatGroup = new QGroupBox(AppText(kFormatGroup), this);
    auto* formatLayout = new QVBoxLayout(formatGroup);
    formats = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(AppText(kFormatNames + i), formatGroup);
        formats->addButton(button, i);
        formatLayout->addWidget(button);
    }
    formats->button(settings.ExportFormat)->setChecked(true);

    auto* sizeGroup = new QGroupBox(AppText(kSizeGroup), this);
    auto* sizeLayout = new QGridLayout(sizeGroup);
    viewSizeButton = new QRadioButton(AppText(kViewSize).arg(viewClient.width).arg(viewClient.height), sizeGroup);
    customSizeButton = new QRadioButton(AppText(kCustomSize), sizeGroup);
    widthBox = SideBox(settings.ExportWidth, sizeGroup);
    heightBox = SideBox(settings.ExportHeight, sizeGroup);
    scaleBox = new QComboBox(sizeGroup);
    for (int i = 0; i < kScales; ++i)
        scaleBox->addItem(AppText(kScaleNames + i), i + 1);
    scaleBox->setCurrentIndex(settings.ExportScale - 1);
    (settings.ExportViewSize ? viewSizeButton : customSizeButton)->setChecked(true);
    auto* scaleLabel = new QLabel(AppText(kScaleLabel), sizeGroup);
    scaleLabel->setBuddy(scaleBox);
    sizeLayout->addWidget(viewSizeButton, 0, 0, 1, 4);
    sizeLayout->addWidget(customSizeButton, 1, 0);
    sizeLayout->addWidget(widthBox, 1, 1);
    sizeLayout->addWidget(new QLabel(AppText(kTimes), sizeGroup), 1, 2);
    sizeLayout->addWidget(heightBox, 1, 3);
    sizeLayout->addWidget(scaleLabel, 2, 0);
    sizeLayout->addWidget(scaleBox, 2, 1);

    auto* extentGroup = new QGroupBox(AppText(kExtentGroup), this);
    auto* extentLayout = new QVBoxLayout(extentGroup);
    visibleButton = new QRadioButton(AppText(kVisible), extentGroup);
    const bool wholeFits = ExportExtent::ScaledSize(wholeClient, 1).has_value();
    wholeButton = new QRadioButton(
        wholeFits ? AppText(kWhole).arg(wholeClient.width).arg(wholeClient.height) : AppText(kWholeTooLarge),
        extentGroup);
    wholeButton->setEnabled(wholeFits);
    visibleButton->setChecked(true);
    extentLayout->addWidget(visibleButton);
    extentLayout->addWidget(wholeButton);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(AppText(kOKCaption), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(AppText(kCancelCaption), QDialogButtonBox::RejectRole);
    buttons->addButton(AppText(kHelpCaption), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { HelpRequests::Submit({kHelpId, 0, false}); });
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
        const QString text = AppText(kTooLarge)
                                 .arg(std::int64_t{choice.size.width} * choice.scale)
                                 .arg(std::int64_t{choice.size.height} * choice.scale);
        AppMessageBox::Show(this, text, kErrorCaption, MB_ICONEXCLAMATION);
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
