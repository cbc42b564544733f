#include "app/frame/GraphChoiceDialog.h"

#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "app/CGraphListBox.h"
#include "kit/CImageButton.h"
#include "kit/DrivenModal.h"
#include "kit/FieldFocus.h"
#include "HelpContext.h"
#include "kit/HelpRequests.h"
#include "kit/MessageBoxStyle.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

CImageButton* Button(QWidget* parent, StringId captionId, int id, BitmapId bitmap)
{
    auto* button = new CImageButton(AppText(captionId), parent);
    button->SetBitmap(bitmap);
    button->setObjectName(QStringLiteral("control%1").arg(id));
    return button;
}

}  // namespace

GraphChoiceDialog::GraphChoiceDialog(CCurvixDoc& doc, const Layout& layout, QWidget* parent)
    : QDialog(parent), m_helpId(HelpContext::OfDialog(layout.dialogId))
{
    setWindowTitle(AppText(layout.captionId));
    m_list = new CGraphListBox(this);
    m_list->setObjectName(QStringLiteral("control%1").arg(layout.listId));
    m_list->SetCheckBoxes(false);
    m_list->SetDocument(&doc);
    m_list->FillFrom(doc);
    m_list->SetCurSel(0);

    auto* help = Button(this, StringId::HelpButton, IDHELP, BitmapId::HelpButton);
    auto* cancel = Button(this, StringId::CancelButton, IDCANCEL, BitmapId::CancelButton);
    m_action = Button(this, layout.actionCaptionId, layout.actionId, layout.actionBitmap);
    m_action->setDefault(true);
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_action, &QPushButton::clicked, this, [this] { OnAction(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_action);
    auto* box = new QVBoxLayout(this);
    box->addWidget(new QLabel(AppText(layout.promptId), this));
    box->addWidget(m_list, 1);
    box->addLayout(buttons);
    FocusField(m_list);
}

int GraphChoiceDialog::DoModal()
{
    return DrivenModal<GraphChoiceDialog>::Run(*this);
}

void GraphChoiceDialog::SetTestDriver(TestDriver driver)
{
    DrivenModal<GraphChoiceDialog>::SetDriver(std::move(driver));
}

void GraphChoiceDialog::OnAction()
{
    const int row = m_list->CurSel();
    if (row < 0)
        return;
    selectedIndex = row;
    accept();
}

void GraphChoiceDialog::Preselect(int row)
{
    m_list->SetCurSel(row);
}

void GraphChoiceDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        OnHelp();
    else
        QDialog::keyPressEvent(event);
}

void GraphChoiceDialog::OnHelp() const
{
    HelpRequests::Submit({m_helpId, 0, false});
}
