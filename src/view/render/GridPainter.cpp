#include "view/render/GridPainter.h"

#include "view/render/PaintContext.h"
#include "view/geometry/TickRuler.h"
#include "view/geometry/TickSpacing.h"
#include "view/render/ViewBitmaps.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kRunLength = 64;
const QColor kDotColor(0xC0, 0xC0, 0xC0);

}  // namespace

GridPainter::GridPainter(QPainter& painter, const PaintContext& context)
    : m_painter(painter), m_context(context), m_rowPattern(ViewBitmaps::Tinted(BitmapId::GridRowPattern, kDotColor)),
      m_columnPattern(ViewBitmaps::Tinted(BitmapId::GridColumnPattern, kDotColor))
{
}

void GridPainter::Draw(int gridSize)
{
    const ViewMapping& view = m_context.View();
    DrawColumns(TickSpacing(view.ZoomX(), view.XTimesPi()).GridPixels(gridSize));
    DrawRows(TickSpacing(view.ZoomY(), view.YTimesPi()).GridPixels(gridSize));
}

void GridPainter::DrawColumns(double step)
{
    const PixelRect paint = m_context.PaintInDrawing();
    const int top = std::max(paint.top, 0);
    const int bottom = std::min(paint.bottom, m_context.Height());
    const TickRuler ruler(m_context.OriginX(), step, std::max(paint.left, 0), std::min(paint.right, m_context.Width()) - 1);
    const std::int64_t scrollY = m_context.View().ScrollPosition().y;
    for (const Tick& tick : ruler.Ticks(true)) {
        if (tick.position >= paint.left && tick.position < paint.right)
            DrawRun(m_columnPattern, true, tick.position, top, bottom, scrollY + top);
    }
}

void GridPainter::DrawRows(double step)
{
    const PixelRect paint = m_context.PaintInDrawing();
    const int left = std::max(paint.left, 0);
    const int right = std::min(paint.right, m_context.Width());
    const TickRuler ruler(m_context.OriginY(), step, std::max(paint.top, 0), std::min(paint.bottom, m_context.Height()) - 1);
    const std::int64_t scrollX = m_context.View().ScrollPosition().x;
    for (const Tick& tick : ruler.Ticks(true)) {
        if (tick.position >= paint.top && tick.position < paint.bottom)
            DrawRun(m_rowPattern, false, tick.position, left, right, scrollX + left);
    }
}

// A drawing for a file (SVG, PDF) gets dotted lines rather than pictures of them.
bool GridPainter::IsVector() const
{
    const QPaintEngine* engine = m_painter.paintEngine();
    return engine && (engine->type() == QPaintEngine::SVG || engine->type() == QPaintEngine::Pdf);
}

void GridPainter::DrawDottedLine(bool vertical, int line, int start, int end, std::int64_t phase)
{
    QPen pen(kDotColor, 1);
    pen.setCosmetic(false);
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({1.0, 1.0});
    pen.setDashOffset(static_cast<double>(phase & 1));
    m_painter.save();
    m_painter.setPen(pen);
    const double middle = line + 0.5;
    if (vertical)
        m_painter.drawLine(QPointF(middle, start), QPointF(middle, end));
    else
        m_painter.drawLine(QPointF(start, middle), QPointF(end, middle));
    m_painter.restore();
}

void GridPainter::DrawRun(const QImage& pattern, bool vertical, int line, int start, int end, std::int64_t phase)
{
    if (IsVector()) {
        DrawDottedLine(vertical, line, start, end, phase);
        return;
    }
    if (pattern.isNull())
        return;
    for (int at = start; at < end; at += kRunLength) {
        const int length = std::min(kRunLength, end - at);
        const int from = static_cast<int>((phase + (at - start)) & 1);
        if (vertical)
            m_painter.drawImage(line, at, pattern, 0, from, 1, length);
        else
            m_painter.drawImage(at, line, pattern, from, 0, length, 1);
    }
}
