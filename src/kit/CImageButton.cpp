#include "kit/CImageButton.h"

#include "gui/AppBitmap.h"
#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "kit/MessageBoxStyle.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int kBorder = 3;         // face inset on every side
constexpr int kMaxCaption = 100;   // characters of the caption drawn
constexpr int kCaptionGap = 5;     // between the bitmap and the caption
constexpr int kSlack = 12;         // kept free when centring bitmap and caption

}  // namespace

CImageButton::CImageButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    // Enter presses the focused button, inside a dialog or not; only where
    // no button has the focus does Enter go to the default button.
    setAutoDefault(true);
}

void CImageButton::SetBitmap(BitmapId bitmapId)
{
    m_bitmap = LoadAppBitmap(bitmapId);
    ComposeFace();
    update();
}

void CImageButton::SetCaption(const QString& caption)
{
    setText(caption);
    ComposeFace();
    update();
}

void CImageButton::ComposeFace()
{
    if (m_bitmap.isNull()) {
        m_face = QPixmap();
        return;
    }
    const QSize size = rect().size().shrunkBy(QMargins(kBorder, kBorder, kBorder, kBorder));
    if (size.isEmpty()) {
        m_face = QPixmap();
        return;
    }
    QPixmap composed(size);
    if (composed.isNull()) {
        ReportNoFace();
        return;
    }
    composed.fill(isEnabled() ? palette().color(QPalette::Active, QPalette::Button) : QColor(Qt::white));

    QPainter painter(&composed);
    if (!painter.isActive()) {
        ReportNoFace();
        return;
    }
    const QString caption = text().left(kMaxCaption);
    const QFontMetrics metrics(font());
    const int captionWidth = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, caption).width();
    const int x = std::max(0, (size.width() - captionWidth - m_bitmap.width() - kSlack) / 2);
    m_bitmapPosition = QPoint(x, (size.height() - m_bitmap.height()) / 2);
    painter.drawPixmap(m_bitmapPosition, m_bitmap);

    const QRect captionRect(x + m_bitmap.width() + kCaptionGap, 0, size.width(), size.height());
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                     caption);
    painter.end();
    m_face = composed;
}

void CImageButton::ReportNoFace()
{
    AppMessageBox::ShowRaw(parentWidget(), AppText(StringId::FailedToRetrieveDc), QString(), MB_OK);
}

QSize CImageButton::sizeHint() const
{
    const QSize plain = QPushButton::sizeHint();
    if (m_bitmap.isNull())
        return plain;
    return QSize(plain.width() + m_bitmap.width() + kCaptionGap + kSlack,
                 std::max(plain.height(), m_bitmap.height() + 2 * kBorder + 4));
}

void CImageButton::paintEvent(QPaintEvent* event)
{
    if (m_face.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QPoint origin(kBorder, kBorder);
    if (isDown())
        origin += QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                         style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawPixmap(origin, m_face);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(origin, m_face.size()).adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void CImageButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    ComposeFace();
}

void CImageButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
        ComposeFace();
        update();
        break;
    default:
        break;
    }
}
