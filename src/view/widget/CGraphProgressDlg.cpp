#include "view/widget/CGraphProgressDlg.h"

#include "gui/AppText.h"
#include "kit/CImageButton.h"
#include "view/qt/GraphProgressEvent.h"
#include "base/ManualResetEvent.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <chrono>
#include <thread>

namespace {
// 176 x 78 dialog units in the dialog font, plus the caption.
constexpr int kWidth = 264;
constexpr int kHeight = 160;
const QColor kCaptionColor(10, 36, 106);

QString Formatted(StringId formatId, int first, int second = 0)
{
    return QString::asprintf(AppText(formatId).toUtf8().constData(), first, second);
}

QLabel* Caption(QWidget* parent)
{
    auto* caption = new QLabel(AppText(StringId::ProgressTitle), parent);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Window);
    caption->setForegroundRole(QPalette::WindowText);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::Window, kCaptionColor);
    palette.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(palette);
    caption->setContentsMargins(4, 2, 4, 2);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    return caption;
}

}  // namespace

CGraphProgressDlg::CGraphProgressDlg(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    // A child of the view's picture area would otherwise take its white
    // base colours: the window shows the face and text of any dialog.
    setPalette(QApplication::palette(this));
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setAutoFillBackground(true);
    BuildControls();
    // The texts show empty until the first progress report.
    UpdateTexts();
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_percentText = Formatted(StringId::ProgressPercent, 0);
    setFixedSize(kWidth, kHeight);
    hide();
}

void CGraphProgressDlg::BuildControls()
{
    m_message = new QLabel(AppText(StringId::ProgressMessage), this);
    m_cancelling = new QLabel(AppText(StringId::CancellingNotice), this);
    m_progress = new QProgressBar(this);
    m_percent = new QLabel(this);
    m_percentCaption = new QLabel(AppText(StringId::PercentCaption), this);
    m_countCaption = new QLabel(AppText(StringId::CountCaption), this);
    m_count = new QLabel(this);
    m_cancelButton = new CImageButton(AppText(StringId::ProgressCancel), this);
    m_cancelButton->setDefault(true);
    for (QLabel* centred : {m_message, m_cancelling}) {
        centred->setAlignment(Qt::AlignCenter);
        centred->setWordWrap(true);
    }
    m_progress->setTextVisible(false);
    m_cancelling->hide();
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { OnCancel(); });

    // The outer layout sets no spacing, so these set their own.
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(4);
    figures->setVerticalSpacing(2);
    figures->addWidget(m_percent, 0, 0, Qt::AlignRight);
    figures->addWidget(m_percentCaption, 0, 1);
    figures->addWidget(m_countCaption, 1, 0, Qt::AlignRight);
    figures->addWidget(m_count, 1, 1);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 4, 8, 8);
    body->setSpacing(4);
    body->addWidget(m_message);
    body->addWidget(m_cancelling);
    body->addWidget(m_progress);
    body->addLayout(figures);
    body->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(Caption(this));
    layout->addLayout(body);
}

void CGraphProgressDlg::ShowCentred()
{
    if (QWidget* parent = parentWidget())
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);
    m_previousFocus = QApplication::focusWidget();
    show();
    raise();
    m_cancelButton->setFocus();
}

void CGraphProgressDlg::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    if (m_previousFocus && isAncestorOf(QApplication::focusWidget()))
        m_previousFocus->setFocus();
}

void CGraphProgressDlg::OnGraphProgress(int percent, int completeCount, int displayedCount)
{
    m_progress->setValue(percent);
    m_percentText = Formatted(StringId::ProgressPercent, percent);
    m_countText = Formatted(StringId::ProgressCount, completeCount + 1, displayedCount);
    UpdateTexts();
}

void CGraphProgressDlg::OnCancel()
{
    if (m_stopEvent)
        m_stopEvent->Set();
    ShowCancelling();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

QList<QWidget*> CGraphProgressDlg::WorkingControls() const
{
    return {m_message, m_progress, m_cancelButton, m_percentCaption, m_percent, m_count, m_countCaption};
}

void CGraphProgressDlg::ShowCancelling()
{
    for (QWidget* control : WorkingControls())
        control->hide();
    m_cancelling->show();
    m_cancelling->repaint();
}

void CGraphProgressDlg::ResetProgress()
{
    for (QWidget* control : WorkingControls())
        control->show();
    m_cancelling->hide();
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_percentText = Formatted(StringId::ProgressPercent, 0);
    UpdateTexts();
}

int CGraphProgressDlg::Progress() const
{
    return m_progress->value();
}

bool CGraphProgressDlg::IsCancelling() const
{
    return !m_cancelling->isHidden();
}

void CGraphProgressDlg::UpdateTexts()
{
    m_percent->setText(m_percentText);
    m_count->setText(m_countText);
}

void CGraphProgressDlg::customEvent(QEvent* event)
{
    if (event->type() == WM_GRAPH_PROGRESS) {
        const auto* progress = static_cast<GraphProgressEvent*>(event);
        OnGraphProgress(progress->Percent(), progress->CompleteCount(), progress->DisplayedCount());
    }
}

void CGraphProgressDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        OnCancel();
    else
        QFrame::keyPressEvent(event);
}
