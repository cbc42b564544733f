#include "view/render/AxesPainter.h"

#include "view/render/PaintContext.h"
#include "view/render/TickPainter.h"
#include "view/render/ViewBitmaps.h"

#include <QPainter>

#include <algorithm>

namespace {
// An axis is drawn while its band lies within this many pixels of the area.
constexpr std::int64_t kAxisReach = 50;
// The right arrowhead shows while the picture's right end is this near.
constexpr std::int64_t kRightArrowReach = 14;
constexpr std::int64_t kUpArrowReach = 16;

// A drawing coordinate that QPainter can take; far-away values only need to
// stay far away.
int Coordinate(std::int64_t value)
{
    constexpr std::int64_t kFar = 1 << 24;
    return static_cast<int>(std::clamp(value, -kFar, kFar));
}

void DrawBothKinds(TickPainter& ticks, int line, bool horizontal, bool inStrip)
{
    for (TickPainter::Kind kind : {TickPainter::Kind::Minor, TickPainter::Kind::Major}) {
        if (horizontal)
            ticks.DrawHorizontal(line, kind, inStrip);
        else
            ticks.DrawVertical(line, kind, inStrip);
    }
}

}  // namespace

AxesPainter::AxesPainter(QPainter& painter, const PaintContext& context) : m_painter(painter), m_context(context)
{
}

void AxesPainter::Draw()
{
    const ViewLayout& layout = m_context.Layout();
    // Each strip draws only within itself, which also keeps the corner
    // between them clear.
    m_painter.save();
    if (m_context.Paint().intersects(layout.BottomStrip()))
        DrawBottomStrip();
    if (m_context.Paint().intersects(layout.RightStrip()))
        DrawRightStrip();
    m_painter.setClipRect(m_context.Paint() & layout.Area());
    m_painter.translate(m_context.Offset());
    DrawHorizontalAxis();
    DrawVerticalAxis();
    m_painter.restore();
}

void AxesPainter::DrawBottomStrip()
{
    m_painter.save();
    m_painter.setClipRect(m_context.Paint() & m_context.Layout().BottomStrip());
    m_painter.translate(m_context.Offset().x(), m_context.Layout().BottomStrip().top());
    m_painter.setPen(Qt::black);
    m_painter.drawLine(-1, 0, m_context.Width(), 0);
    TickPainter ticks(m_painter, m_context);
    DrawBothKinds(ticks, 1, true, true);
    m_painter.restore();
}

void AxesPainter::DrawRightStrip()
{
    m_painter.save();
    m_painter.setClipRect(m_context.Paint() & m_context.Layout().RightStrip());
    m_painter.translate(m_context.Layout().RightStrip().left(), m_context.Offset().y());
    m_painter.setPen(Qt::black);
    m_painter.drawLine(0, -1, 0, m_context.Height() - 1);
    TickPainter ticks(m_painter, m_context);
    DrawBothKinds(ticks, 1, false, true);
    m_painter.restore();
}

bool AxesPainter::BandInView(int left, int top, int right, int bottom) const
{
    const QRect band(QPoint(left, top) + m_context.Offset(), QPoint(right, bottom) + m_context.Offset());
    return band.intersects(m_context.Paint());
}

void AxesPainter::DrawHorizontalAxis()
{
    const std::int64_t oy = m_context.OriginY();
    const int w = m_context.Width();
    const int h = m_context.Height();
    if (oy + 15 <= -kAxisReach || oy - 4 >= h + kAxisReach)
        return;
    const int y = Coordinate(oy);
    if (!BandInView(0, y - 4, w, y + 15))
        return;
    m_painter.setPen(Qt::black);
    m_painter.drawLine(0, y, w - 1, y);
    const ViewMapping& view = m_context.View();
    const std::int64_t scrollX = view.ScrollPosition().x;
    if (scrollX + w >= view.PictureSize().width - kRightArrowReach) {
        m_painter.save();
        m_painter.setClipRect(0, 0, w, h, Qt::IntersectClip);
        m_painter.drawImage(Coordinate(view.PictureSize().width - scrollX - 13), y - 4, ViewBitmaps::Get(BitmapId::RightArrow));
        m_painter.restore();
    }
    TickPainter ticks(m_painter, m_context);
    DrawBothKinds(ticks, y, true, false);
}

void AxesPainter::DrawVerticalAxis()
{
    const std::int64_t ox = m_context.OriginX();
    const int w = m_context.Width();
    const int h = m_context.Height();
    if (ox + 15 <= -kAxisReach || ox - 4 >= w + kAxisReach)
        return;
    const int x = Coordinate(ox);
    if (!BandInView(x - 4, 0, x + 15, h))
        return;
    m_painter.setPen(Qt::black);
    m_painter.drawLine(x, 0, x, h - 1);
    const std::int64_t scrollY = m_context.View().ScrollPosition().y;
    if (scrollY <= kUpArrowReach) {
        m_painter.save();
        m_painter.setClipRect(0, 0, w, h, Qt::IntersectClip);
        m_painter.drawImage(x - 3, Coordinate(-scrollY), ViewBitmaps::Get(BitmapId::UpArrow));
        m_painter.restore();
    }
    TickPainter ticks(m_painter, m_context);
    DrawBothKinds(ticks, x, false, false);
}
