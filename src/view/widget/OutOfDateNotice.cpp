#include "view/widget/OutOfDateNotice.h"

#include "gui/AppText.h"
#include "view/render/ViewLayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kFontPixels = 11;
constexpr int kPadding = 4;
constexpr int kMargin = 6;

QFont NoticeFont()
{
    QFont font("Arial");
    font.setPixelSize(kFontPixels);
    return font;
}

}  // namespace

QRect OutOfDateNotice::Rect(const ViewLayout& layout)
{
    const QSize text = QFontMetrics(NoticeFont()).size(Qt::TextSingleLine, AppText(StringId::OutOfDateNotice));
    const QSize box = text + QSize(2 * kPadding, 2 * kPadding);
    return QRect(QPoint(layout.AreaWidth() - kMargin - box.width(), kMargin), box);
}

void OutOfDateNotice::Draw(QPainter& painter, const ViewLayout& layout)
{
    const QRect box = Rect(layout);
    painter.save();
    painter.setClipRect(layout.Area(), Qt::IntersectClip);
    painter.setPen(QColor(0xB0, 0xA0, 0x60));
    painter.setBrush(QColor(0xFF, 0xF8, 0xD0));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.setFont(NoticeFont());
    painter.drawText(box, Qt::AlignCenter, AppText(StringId::OutOfDateNotice));
    painter.restore();
}
