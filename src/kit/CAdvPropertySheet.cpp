#include "kit/CAdvPropertySheet.h"

#include "gui/AppText.h"
#include "kit/CImageButton.h"
#include "kit/CPropertyPage.h"
#include "kit/FieldFocus.h"
#include "HelpContext.h"
#include "IdConversions.h"
#include "kit/HelpRequests.h"
#include "kit/MessageBoxStyle.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 26;

CAdvPropertySheet::TestDriver& Driver()
{
    static CAdvPropertySheet::TestDriver driver;
    return driver;
}

}  // namespace

CAdvPropertySheet::CAdvPropertySheet(StringId captionId, QWidget* parent, int startPage)
    : QDialog(parent), m_tabs(new QTabWidget(this)), m_firstPage(startPage)
{
    setWindowTitle(AppText(captionId));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CAdvPropertySheet::OnTabChanged);
}

void CAdvPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
    m_tabs->addTab(page, page->Caption());
}

int CAdvPropertySheet::DoModal()
{
    InitSheet();
    if (CPropertyPage* page = GetActivePage())
        FocusField(page->FirstField());
    if (!Driver())
        return exec();
    show();
    Driver()(*this);
    if (isVisible())
        done(IDCANCEL);
    return result();
}

void CAdvPropertySheet::InitSheet()
{
    // A sheet run a second time keeps its buttons and current page.
    if (!m_buttons.empty())
        return;
    auto* row = new QHBoxLayout;
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    if (closeMode) {
        AddButton(IDCLOSE, BitmapId::OkButton, HelpContext::kCloseButton);
    } else {
        AddButton(IDOK, BitmapId::OkButton, HelpContext::kOkButton);
        AddButton(IDCANCEL, BitmapId::CancelButton, HelpContext::kCancelButton);
    }
    if (hasHelp)
        AddButton(IDHELP, BitmapId::HelpButton, HelpContext::kHelpButton);
    for (const SheetButton& entry : m_buttons)
        row->addWidget(entry.button);
    m_buttons.front().button->setDefault(true);

    if (m_pages.empty())
        return;
    m_activeIndex = m_firstPage >= 0 && m_firstPage < GetPageCount() ? m_firstPage : 0;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_activeIndex);
    }
    m_pages[m_activeIndex]->Activate();
}

void CAdvPropertySheet::AddButton(int id, BitmapId bitmapId, std::uint32_t helpId)
{
    auto* button = new CImageButton(AppText(ButtonCaptionOf(id)), this);
    button->setMinimumSize(kButtonWidth, kButtonHeight);
    button->SetBitmap(bitmapId);
    button->setProperty(kControlIdProperty, id);
    button->setProperty(kHelpIdProperty, helpId);
    switch (id) {
    case IDOK:
        connect(button, &QPushButton::clicked, this, &CAdvPropertySheet::accept);
        break;
    case IDHELP:
        connect(button, &QPushButton::clicked, this, [this] { SubmitPageHelp(IDHELP); });
        break;
    default:
        connect(button, &QPushButton::clicked, this, &CAdvPropertySheet::reject);
        break;
    }
    m_buttons.push_back({id, button});
}

CPropertyPage* CAdvPropertySheet::GetActivePage() const
{
    return m_activeIndex < 0 ? nullptr : m_pages[m_activeIndex];
}

bool CAdvPropertySheet::SetActivePage(int index)
{
    m_tabs->setCurrentIndex(index);
    return m_activeIndex == index;
}

void CAdvPropertySheet::OnTabChanged(int index)
{
    // Tabs added before the sheet starts change nothing.
    if (m_activeIndex < 0 || index == m_activeIndex)
        return;
    if (!m_pages[m_activeIndex]->OnKillActive()) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_activeIndex);
        return;
    }
    m_activeIndex = index;
    m_pages[m_activeIndex]->Activate();
    if (closeMode)
        Button(IDCLOSE)->setDefault(true);
}

void CAdvPropertySheet::EnableButtons(bool enable)
{
    m_buttonsEnabled = enable;
    for (const SheetButton& entry : m_buttons) {
        if (entry.id != IDHELP)
            entry.button->setEnabled(enable);
    }
}

CImageButton* CAdvPropertySheet::Button(int id) const
{
    for (const SheetButton& entry : m_buttons) {
        if (entry.id == id)
            return entry.button;
    }
    return nullptr;
}

void CAdvPropertySheet::accept()
{
    if (!m_buttonsEnabled || closeMode)
        return;
    if (CPropertyPage* page = GetActivePage(); page && !page->OnKillActive())
        return;
    if (acceptCheck && !acceptCheck())
        return;
    done(IDOK);
}

void CAdvPropertySheet::reject()
{
    if (m_buttonsEnabled)
        done(IDCANCEL);
}

void CAdvPropertySheet::closeEvent(QCloseEvent* event)
{
    if (!m_buttonsEnabled) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CAdvPropertySheet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        SubmitControlHelp(focusWidget());
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CAdvPropertySheet::event(QEvent* event)
{
    // The title bar's context help: a click on a control asks for its help.
    if (event->type() == QEvent::QueryWhatsThis) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::WhatsThis) {
        SubmitControlHelp(childAt(static_cast<QHelpEvent*>(event)->pos()));
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void CAdvPropertySheet::SubmitControlHelp(QWidget* control) const
{
    for (QWidget* widget = control; widget && widget != this; widget = widget->parentWidget()) {
        const QVariant helpId = widget->property(kHelpIdProperty);
        if (helpId.isValid()) {
            HelpRequest request;
            request.contextId = helpId.toUInt();
            request.controlId = widget->property(kControlIdProperty).toInt();
            request.popup = true;
            HelpRequests::Submit(request);
            return;
        }
    }
    SubmitPageHelp(0);
}

void CAdvPropertySheet::SubmitPageHelp(int controlId) const
{
    HelpRequest request;
    if (const CPropertyPage* page = GetActivePage())
        request.contextId = HelpContext::OfDialog(page->TemplateId());
    request.controlId = controlId;
    HelpRequests::Submit(request);
}

void CAdvPropertySheet::SetTestDriver(TestDriver driver)
{
    Driver() = std::move(driver);
}
