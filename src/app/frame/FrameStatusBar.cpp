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
    position = AddPane(StringId::PositionPaneWidth);
    zoom = AddPane(StringId::ZoomPaneWidth);
    // Qt cannot read the lock keys' states here, so these stay in their
    // "off" look: sized to their text, but blank.
    for (StringId indicator : kLockIndicators)
        AddPane(indicator)->setEnabled(false);
    positionWidth = position->maximumWidth();
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
    position->setText(text);
}

void FrameStatusBar::UpdatePositionPane(bool showCurrPos, bool computed)
{
    if (!showCurrPos) {
        position->setFixedWidth(1);
        position->setFrameShape(QFrame::NoFrame);
        position->setEnabled(false);
        return;
    }
    if (position->maximumWidth() < 2) {
        position->setFixedWidth(positionWidth);
        position->setFrameShape(QFrame::Panel);
    }
    position->setEnabled(computed);
}

void FrameStatusBar::UpdateZoomPane(bool computed, int zoomX, int zoomY)
{
    zoom->setEnabled(computed);
    if (!computed)
        return;
    zoom->setText(zoomX == zoomY ? QString::asprintf(qPrintable(AppText(StringId::ZoomEqual)), zoomX)
                                 : QString::asprintf(qPrintable(AppText(StringId::ZoomBoth)), zoomX, zoomY));
}
