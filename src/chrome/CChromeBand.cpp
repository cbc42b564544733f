#include "CChromeBand.h"

#include "AppText.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

CChromeBand::CChromeBand(QWidget* menuBar, QWidget* toolBar, QWidget* parent)
    : QWidget(parent), layout(new QBoxLayout(QBoxLayout::LeftToRight, this))
{
    setObjectName(QStringLiteral("chromeBand"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(menuBar);
    layout->addWidget(toolBar);
    layout->addStretch(1);
}

void CChromeBand::SetOneLine(bool oneLine)
{
    layout->setDirection(oneLine ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

bool CChromeBand::IsOneLine() const
{
    return layout->direction() == QBoxLayout::LeftToRight;
}

void CChromeBand::SetWatermark(const QPixmap& picture)
{
    watermark = picture;
    update();
}

void CChromeBand::paintEvent(QPaintEvent*)
{
    if (watermark.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), watermark);
}

void CChromeBand::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* oneLine = menu.addAction(AppText(StringId::OneLineToolbar));
    oneLine->setCheckable(true);
    oneLine->setChecked(IsOneLine());
    if (menu.exec(event->globalPos()) == oneLine)
        SetOneLine(oneLine->isChecked());
}
