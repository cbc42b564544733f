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
    : QDialog(parent), m_viewClient(viewSize), m_wholeClient(wholeSize)
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
    m_formats = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(AppText(StringAfter(StringId::FirstExportFormat, static_cast<unsigned>(i))), formatGroup);
        m_formats->addButton(button, i);
        formatLayout->addWidget(button);
    }
    m_formats->button(settings.ExportFormat)->setChecked(true);

    auto* sizeGroup = new QGroupBox(AppText(StringId::ExportSizeGroup), this);
    auto* sizeLayout = new QGridLayout(sizeGroup);
    m_viewSizeButton = new QRadioButton(AppText(StringId::ExportViewSize).arg(m_viewClient.width).arg(m_viewClient.height), sizeGroup);
    m_customSizeButton = new QRadioButton(AppText(StringId::ExportCustomSize), sizeGroup);
    m_widthBox = SideBox(settings.ExportWidth, sizeGroup);
    m_heightBox = SideBox(settings.ExportHeight, sizeGroup);
    m_scaleBox = new QComboBox(sizeGroup);
    for (int i = 0; i < kScales; ++i)
        m_scaleBox->addItem(AppText(StringAfter(StringId::FirstExportScale, static_cast<unsigned>(i))), i + 1);
    m_scaleBox->setCurrentIndex(settings.ExportScale - 1);
    (settings.ExportViewSize ? m_viewSizeButton : m_customSizeButton)->setChecked(true);
    auto* scaleLabel = new QLabel(AppText(StringId::ExportScaleLabel), sizeGroup);
    scaleLabel->setBuddy(m_scaleBox);
    sizeLayout->addWidget(m_viewSizeButton, 0, 0, 1, 4);
    sizeLayout->addWidget(m_customSizeButton, 1, 0);
    sizeLayout->addWidget(m_widthBox, 1, 1);
    sizeLayout->addWidget(new QLabel(AppText(StringId::ExportTimes), sizeGroup), 1, 2);
    sizeLayout->addWidget(m_heightBox, 1, 3);
    sizeLayout->addWidget(scaleLabel, 2, 0);
    sizeLayout->addWidget(m_scaleBox, 2, 1);

    auto* extentGroup = new QGroupBox(AppText(StringId::ExportExtentGroup), this);
    auto* extentLayout = new QVBoxLayout(extentGroup);
    m_visibleButton = new QRadioButton(AppText(StringId::ExportVisible), extentGroup);
    const bool wholeFits = ExportExtent::ScaledSize(m_wholeClient, 1).has_value();
    m_wholeButton = new QRadioButton(
        wholeFits ? AppText(StringId::ExportWhole).arg(m_wholeClient.width).arg(m_wholeClient.height) : AppText(StringId::ExportWholeTooLarge),
        extentGroup);
    m_wholeButton->setEnabled(wholeFits);
    m_visibleButton->setChecked(true);
    extentLayout->addWidget(m_visibleButton);
    extentLayout->addWidget(m_wholeButton);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(AppText(StringId::ExportOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(AppText(StringId::ExportCancel), QDialogButtonBox::RejectRole);
    buttons->addButton(AppText(StringId::HelpButton), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { HelpRequests::Submit({HelpContext::OfDialog(DialogId::ExportPicture), 0, false}); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton* button : {m_viewSizeButton, m_customSizeButton, m_visibleButton, m_wholeButton})
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
    const bool whole = m_wholeButton->isChecked();
    m_viewSizeButton->setEnabled(!whole);
    m_customSizeButton->setEnabled(!whole);
    m_widthBox->setEnabled(!whole && m_customSizeButton->isChecked());
    m_heightBox->setEnabled(!whole && m_customSizeButton->isChecked());
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
    m_formats->button(static_cast<int>(format))->setChecked(true);
}

void CExportPictureDlg::SetCustomSize(int width, int height)
{
    m_customSizeButton->setChecked(true);
    m_widthBox->setValue(width);
    m_heightBox->setValue(height);
}

void CExportPictureDlg::SetScale(int scale)
{
    m_scaleBox->setCurrentIndex(scale - 1);
}

void CExportPictureDlg::SetWhole(bool whole)
{
    (whole ? m_wholeButton : m_visibleButton)->setChecked(true);
}

CExportPictureDlg::Choice CExportPictureDlg::Read() const
{
    Choice choice;
    choice.format = static_cast<PictureFile::Format>(m_formats->checkedId());
    choice.viewSize = m_viewSizeButton->isChecked();
    choice.scale = m_scaleBox->currentData().toInt();
    choice.whole = m_wholeButton->isChecked();
    if (choice.whole)
        choice.size = m_wholeClient;
    else if (choice.viewSize)
        choice.size = m_viewClient;
    else
        choice.size = {m_widthBox->value(), m_heightBox->value()};
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
    m_chosen = choice;
    accept();
}

void CExportPictureDlg::StoreTo(AppSettings& settings) const
{
    settings.ExportFormat = static_cast<std::int32_t>(m_chosen.format);
    settings.ExportViewSize = m_viewSizeButton->isChecked();
    settings.ExportWidth = m_widthBox->value();
    settings.ExportHeight = m_heightBox->value();
    settings.ExportScale = m_chosen.scale;
}
