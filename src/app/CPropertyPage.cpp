#include "CPropertyPage.h"

#include "AppMessageBox.h"
#include "AppText.h"
#include "FieldFocus.h"
#include "MessageBoxStyle.h"

CPropertyPage::CPropertyPage(unsigned pageTemplate, unsigned titleId)
    : templateId(pageTemplate), captionId(titleId)
{
}

QString CPropertyPage::Caption() const
{
    return AppText(captionId);
}

void CPropertyPage::Activate()
{
    if (!initialised) {
        initialised = true;
        OnInitDialog();
    }
    OnSetActive();
}

std::uint32_t CPropertyPage::ControlHelpId(int controlId) const
{
    // Help ids of dialog controls: high bit, template number, control id.
    return 0x80000000u | (templateId << 16) | static_cast<std::uint32_t>(controlId);
}

void CPropertyPage::RegisterControl(QWidget* control, int controlId) const
{
    control->setObjectName(QStringLiteral("control%1").arg(controlId));
    control->setProperty(kControlIdProperty, controlId);
    control->setProperty(kHelpIdProperty, ControlHelpId(controlId));
}

void CPropertyPage::ShowMessage(unsigned textId, unsigned titleId)
{
    AppMessageBox::Show(this, textId, titleId, MB_ICONEXCLAMATION);
}

void CPropertyPage::Refuse(unsigned textId, unsigned titleId, QWidget* field)
{
    ShowMessage(textId, titleId);
    FocusField(field);
}

QWidget* CPropertyPage::FirstField()
{
    return FirstInputField(this);
}
