#include "chrome/ChromeBand.h"

#include "gui/AppText.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

ChromeBand::ChromeBand(QWidget* menuBar, QWidget* toolBar, QWidget* parent)
    : QWidget(parent), layout(new QBoxLayout(QBoxLayout::LeftToRight, this))
{
    setObjectName(QStringLiteral("chromeBand"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(menuBar);
    layout->addWidget(toolBar);
    layout->addStretch(1);
}

void ChromeBand::SetOneLine(bool oneLine)
{
    layout->setDirection(oneLine ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

bool ChromeBand::IsOneLine() const
{
    return layout->direction() == QBoxLayout::LeftToRight;
}

void ChromeBand::SetWatermark(const QPixmap& picture)
{
    watermark = picture;
    update();
}

void ChromeBand::paintEvent(QPaintEvent*)
{
    if (watermark.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), watermark);
}

void ChromeBand::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* oneLine = menu.addAction(AppText(StringId::OneLineToolbar));
    oneLine->setCheckable(true);
    oneLine->setChecked(IsOneLine());
    if (menu.exec(event->globalPos()) == oneLine)
        SetOneLine(oneLine->isChecked());
}
