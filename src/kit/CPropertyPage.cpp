#include "kit/CPropertyPage.h"

#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "kit/FieldFocus.h"
#include "HelpContext.h"
#include "kit/MessageBoxStyle.h"

CPropertyPage::CPropertyPage(DialogId pageTemplate, StringId titleId)
    : m_templateId(pageTemplate), m_captionId(titleId)
{
}

QString CPropertyPage::Caption() const
{
    return AppText(m_captionId);
}

void CPropertyPage::Activate()
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    OnSetActive();
}

std::uint32_t CPropertyPage::ControlHelpId(int controlId) const
{
    return HelpContext::OfControl(m_templateId, controlId);
}

void CPropertyPage::RegisterControl(QWidget* control, int controlId) const
{
    control->setObjectName(QStringLiteral("control%1").arg(controlId));
    control->setProperty(kControlIdProperty, controlId);
    control->setProperty(kHelpIdProperty, ControlHelpId(controlId));
}

void CPropertyPage::ShowMessage(StringId textId, StringId titleId)
{
    AppMessageBox::Show(this, textId, titleId, MB_ICONEXCLAMATION);
}

void CPropertyPage::Refuse(StringId textId, StringId titleId, QWidget* field)
{
    ShowMessage(textId, titleId);
    FocusField(field);
}

QWidget* CPropertyPage::FirstField()
{
    return FirstInputField(this);
}
