#include "CGraphChoiceDlg.h"

#include "AppText.h"
#include "CCurvixDoc.h"
#include "CGraphListBox.h"
#include "CImageButton.h"
#include "DrivenModal.h"
#include "FieldFocus.h"
#include "HelpRequests.h"
#include "MessageBoxStyle.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr unsigned kHelpCaption = 13009;
constexpr unsigned kCancelCaption = 13002;
constexpr std::uint32_t kDialogHelpBase = 0x20000;

CImageButton* Button(QWidget* parent, unsigned captionId, int id, unsigned bitmap)
{
    auto* button = new CImageButton(AppText(captionId), parent);
    button->SetBitmap(bitmap);
    button->setObjectName(QStringLiteral("control%1").arg(id));
    return button;
}

}  // namespace

CGraphChoiceDlg::CGraphChoiceDlg(CCurvixDoc& doc, const Layout& layout, QWidget* parent)
    : QDialog(parent), helpId(kDialogHelpBase + layout.dialogId)
{
    setWindowTitle(AppText(layout.captionId));
    list = new CGraphListBox(this);
    list->setObjectName(QStringLiteral("control%1").arg(layout.listId));
    list->SetCheckBoxes(false);
    list->SetDocument(&doc);
    list->FillFrom(doc);
    list->SetCurSel(0);

    auto* help = Button(this, kHelpCaption, IDHELP, 1000 + IDHELP);
    auto* cancel = Button(this, kCancelCaption, IDCANCEL, 1000 + IDCANCEL);
    action = Button(this, layout.actionCaptionId, layout.actionId, layout.actionBitmap);
    action->setDefault(true);
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(action, &QPushButton::clicked, this, [this] { OnAction(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(action);
    auto* box = new QVBoxLayout(this);
    box->addWidget(new QLabel(AppText(layout.promptId), this));
    box->addWidget(list, 1);
    box->addLayout(buttons);
    FocusField(list);
}

int CGraphChoiceDlg::DoModal()
{
    return DrivenModal<CGraphChoiceDlg>::Run(*this);
}

void CGraphChoiceDlg::SetTestDriver(TestDriver driver)
{
    DrivenModal<CGraphChoiceDlg>::SetDriver(std::move(driver));
}

void CGraphChoiceDlg::OnAction()
{
    const int row = list->CurSel();
    if (row < 0)
        return;
    selectedIndex = row;
    accept();
}

void CGraphChoiceDlg::Preselect(int row)
{
    list->SetCurSel(row);
}

void CGraphChoiceDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        OnHelp();
    else
        QDialog::keyPressEvent(event);
}

void CGraphChoiceDlg::OnHelp() const
{
    HelpRequests::Submit({helpId, 0, false});
}
