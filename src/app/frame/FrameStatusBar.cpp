#include "app/frame/FrameStatusBar.h"

#include "gui/AppText.h"

#include <QLabel>

namespace {

constexpr StringId kLockIndicators[] = {StringId::CapsLockIndicator, StringId::NumLockIndicator,
                                        StringId::ScrollLockIndicator};
constexpr int kPanePadding = 8;

}  // namespace

FrameStatusBar::FrameStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    m_position = AddPane(StringId::PositionPaneWidth);
    m_zoom = AddPane(StringId::ZoomPaneWidth);
    // Qt cannot read the lock keys' states here, so these stay in their
    // "off" look: sized to their text, but blank.
    for (StringId indicator : kLockIndicators)
        AddPane(indicator)->setEnabled(false);
    m_positionWidth = m_position->maximumWidth();
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) { ShowIdleMessage(message); });
    ShowIdleMessage(QString());
}

QLabel* FrameStatusBar::AddPane(StringId widthTextId)
{
    auto* pane = new QLabel(this);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(AppText(widthTextId)) + kPanePadding);
    addPermanentWidget(pane);
    return pane;
}

void FrameStatusBar::ShowIdleMessage(const QString& message)
{
    if (message.isEmpty())
        showMessage(AppText(StringId::IdleMessage));
}

void FrameStatusBar::SetCursorPosText(const QString& text)
{
    m_position->setText(text);
}

void FrameStatusBar::UpdatePositionPane(bool showCurrPos, bool computed)
{
    if (!showCurrPos) {
        m_position->setFixedWidth(1);
        m_position->setFrameShape(QFrame::NoFrame);
        m_position->setEnabled(false);
        return;
    }
    if (m_position->maximumWidth() < 2) {
        m_position->setFixedWidth(m_positionWidth);
        m_position->setFrameShape(QFrame::Panel);
    }
    m_position->setEnabled(computed);
}

void FrameStatusBar::UpdateZoomPane(bool computed, int zoomX, int zoomY)
{
    m_zoom->setEnabled(computed);
    if (!computed)
        return;
    m_zoom->setText(zoomX == zoomY ? QString::asprintf(qPrintable(AppText(StringId::ZoomEqual)), zoomX)
                                 : QString::asprintf(qPrintable(AppText(StringId::ZoomBoth)), zoomX, zoomY));
}
