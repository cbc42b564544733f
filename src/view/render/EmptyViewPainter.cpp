#include "view/render/EmptyViewPainter.h"

#include "gui/AppText.h"
#include "view/render/ViewBitmaps.h"
#include "view/render/ViewLayout.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kMessageFontPixels = 14;
constexpr int kMessageTop = 5;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

QFont MessageFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kMessageFontPixels);
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace

void EmptyViewPainter::Draw(QPainter& painter, const ViewLayout& layout, StringId textId, bool showLogo)
{
    const QString text = AppText(textId);
    const int areaWidth = layout.AreaWidth();
    const int areaHeight = layout.AreaHeight();
    painter.save();
    painter.setFont(MessageFont());
    painter.setPen(Qt::black);
    const QRect measured = painter.fontMetrics().boundingRect(QRect(0, 0, areaWidth, areaHeight), kTextFlags, text);
    const int textBottom = kMessageTop + std::min(measured.height(), areaHeight);
    painter.drawText(QRect(0, kMessageTop, areaWidth, textBottom - kMessageTop), kTextFlags, text);
    const QImage logo = showLogo && textBottom < areaHeight ? ViewBitmaps::Get(BitmapId::EmptyViewLogo) : QImage();
    if (!logo.isNull()) {
        painter.setClipRect(layout.Area());
        const int x = (areaWidth - logo.width()) / 2;
        const int y = textBottom + (areaHeight - textBottom - logo.height()) / 2;
        painter.drawImage(x, y, logo);
    }
    painter.restore();
}
