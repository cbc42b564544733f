#include "FrameStatusBar.h"

#include "AppText.h"

#include <QLabel>

namespace {

constexpr unsigned kIdleMessage = 57345;
constexpr unsigned kPositionWidth = 110;
constexpr unsigned kZoomWidth = 109;
constexpr unsigned kLockIndicators[] = {59137, 59138, 59139};
constexpr unsigned kZoomEqual = 18001;
constexpr unsigned kZoomBoth = 18002;
constexpr int kPanePadding = 8;

}  // namespace

FrameStatusBar::FrameStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    position = AddPane(kPositionWidth);
    zoom = AddPane(kZoomWidth);
    // Qt cannot read the lock keys' states here, so these stay in their
    // "off" look: sized to their text, but blank.
    for (unsigned indicator : kLockIndicators)
        AddPane(indicator)->setEnabled(false);
    positionWidth = position->maximumWidth();
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) { ShowIdleMessage(message); });
    ShowIdleMessage(QString());
}

QLabel* FrameStatusBar::AddPane(unsigned widthTextId)
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
        showMessage(AppText(kIdleMessage));
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
    zoom->setText(zoomX == zoomY ? QString::asprintf(qPrintable(AppText(kZoomEqual)), zoomX)
                                 : QString::asprintf(qPrintable(AppText(kZoomBoth)), zoomX, zoomY));
}
