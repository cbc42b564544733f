#include "chrome/ChromeBand.h"

#include "gui/AppText.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

ChromeBand::ChromeBand(QWidget* menuBar, QWidget* toolBar, QWidget* parent)
    : QWidget(parent), m_layout(new QBoxLayout(QBoxLayout::LeftToRight, this))
{
    setObjectName(QStringLiteral("chromeBand"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(menuBar);
    m_layout->addWidget(toolBar);
    m_layout->addStretch(1);
}

void ChromeBand::SetOneLine(bool oneLine)
{
    m_layout->setDirection(oneLine ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

bool ChromeBand::IsOneLine() const
{
    return m_layout->direction() == QBoxLayout::LeftToRight;
}

void ChromeBand::SetWatermark(const QPixmap& picture)
{
    m_watermark = picture;
    update();
}

void ChromeBand::paintEvent(QPaintEvent*)
{
    if (m_watermark.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_watermark);
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
