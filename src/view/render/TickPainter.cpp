#include "view/render/TickPainter.h"

#include "view/render/PaintContext.h"
#include "view/geometry/TickLabelText.h"
#include "view/geometry/TickRuler.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kLabelFontPixels = 10;
const QString kPiSign = QStringLiteral("\u03C0");

// Labels sit 6 pixels off the line; a vertical label box reaches 7 pixels
// each side of its row, a horizontal one is 14 pixels tall.
constexpr int kLabelGap = 6;
constexpr int kLabelHalfHeight = 7;
constexpr int kLabelHeight = 14;

bool Overlaps(int first, int last, int spanFirst, int spanLast)
{
    return last >= spanFirst && first <= spanLast;
}

}  // namespace

TickPainter::TickPainter(QPainter& painter, const PaintContext& context)
    : m_painter(painter), m_context(context),
      m_horizontal(context.View().ZoomX(), context.View().XTimesPi()),
      m_vertical(context.View().ZoomY(), context.View().YTimesPi()), m_font(LabelFont()), m_metrics(m_font),
      m_piWidth(m_metrics.horizontalAdvance(kPiSign))
{
}

QFont TickPainter::LabelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kLabelFontPixels);
    font.setWeight(QFont::Normal);
    return font;
}

TickPainter::Mark TickPainter::MarkOf(int line, Kind kind, bool inStrip)
{
    const int reach = kind == Kind::Major ? 3 : 2;
    if (inStrip)
        return {line, line + reach, line};
    return {line - reach, line + reach, line - 3};
}

double TickPainter::StepOf(const TickSpacing& spacing, Kind kind)
{
    return kind == Kind::Major ? spacing.LabelPixels() : spacing.MinorPixels();
}

TickPainter::Span TickPainter::Columns() const
{
    const PixelRect paint = m_context.PaintInDrawing();
    return {std::max(paint.left, 0), std::min(paint.right - 1, m_context.Width())};
}

TickPainter::Span TickPainter::Rows() const
{
    const PixelRect paint = m_context.PaintInDrawing();
    return {std::max(paint.top, 0), std::min(paint.bottom - 1, m_context.Height())};
}

void TickPainter::DrawHorizontal(int y, Kind kind, bool inStrip)
{
    if (!m_horizontal.IsUsable())
        return;
    const Span columns = Columns();
    const TickRuler ruler(m_context.OriginX(), StepOf(m_horizontal, kind), columns.first, columns.last);
    const Mark mark = MarkOf(y, kind, inStrip);
    m_painter.setPen(Qt::black);
    for (const Tick& tick : ruler.Ticks(!inStrip)) {
        m_painter.drawLine(tick.position, mark.from, tick.position, mark.to - 1);
        if (kind == Kind::Major)
            m_painter.drawLine(tick.beside, mark.besideFrom, tick.beside, y + 2);
    }
    if (kind == Kind::Major && inStrip) {
        for (const Tick& tick : ruler.Labels())
            DrawHorizontalLabel(tick, y, columns);
    }
}

void TickPainter::DrawVertical(int x, Kind kind, bool inStrip)
{
    if (!m_vertical.IsUsable())
        return;
    const Span rows = Rows();
    const TickRuler ruler(m_context.OriginY(), StepOf(m_vertical, kind), rows.first, rows.last);
    const Mark mark = MarkOf(x, kind, inStrip);
    m_painter.setPen(Qt::black);
    for (const Tick& tick : ruler.Ticks(!inStrip)) {
        m_painter.drawLine(mark.from, tick.position, mark.to - 1, tick.position);
        if (kind == Kind::Major)
            m_painter.drawLine(mark.besideFrom, tick.beside, x + 2, tick.beside);
    }
    if (kind == Kind::Major && inStrip) {
        for (const Tick& tick : ruler.Labels())
            DrawVerticalLabel(tick, x, rows);
    }
}

void TickPainter::DrawHorizontalLabel(const Tick& tick, int y, Span columns)
{
    const bool timesPi = m_context.View().XTimesPi();
    const QString text = QString::fromStdString(
        TickLabelText(static_cast<double>(tick.index) * m_horizontal.LabelWorld(), LabelRounding::FiveDecimals));
    const int textWidth = m_metrics.horizontalAdvance(text);
    int left = tick.position - textWidth / 2 - 1;
    if (timesPi)
        left += 1 - m_piWidth / 2;
    const QRect box(left, y + kLabelGap, textWidth + 2, kLabelHeight);
    if (Overlaps(box.left(), box.right(), columns.first, columns.last))
        DrawLabelText(box, Qt::AlignHCenter | Qt::AlignTop, text, timesPi);
}

void TickPainter::DrawVerticalLabel(const Tick& tick, int x, Span rows)
{
    const bool timesPi = m_context.View().YTimesPi();
    const QString text =
        QString::fromStdString(TickLabelText(-static_cast<double>(tick.index) * m_vertical.LabelWorld(), LabelRounding::None));
    const int textWidth = m_metrics.horizontalAdvance(text);
    const QRect box(x + kLabelGap, tick.position - kLabelHalfHeight, textWidth + 2, 2 * kLabelHalfHeight);
    if (Overlaps(box.top(), box.bottom(), rows.first, rows.last))
        DrawLabelText(box, Qt::AlignLeft | Qt::AlignVCenter, text, timesPi);
}

void TickPainter::DrawLabelText(const QRect& box, int flags, const QString& text, bool timesPi)
{
    m_painter.setFont(m_font);
    m_painter.drawText(box, flags | Qt::TextDontClip, text);
    if (timesPi) {
        const QRect sign(box.right() + 1, box.top() - 2, m_piWidth, box.height());
        m_painter.drawText(sign, flags | Qt::TextDontClip, kPiSign);
    }
}
