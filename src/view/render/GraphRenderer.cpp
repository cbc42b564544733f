#include "view/render/GraphRenderer.h"

#include "model/AppSettings.h"
#include "view/render/AxesPainter.h"
#include "view/GraphComputation.h"
#include "view/render/CurvePainter.h"
#include "view/render/CurveStyle.h"
#include "view/render/EmptyViewPainter.h"
#include "view/render/FramePainter.h"
#include "view/render/GridPainter.h"
#include "view/render/PaintContext.h"

#include <QPainter>

GraphRenderer::GraphRenderer(const GraphComputation& computation, const AppSettings& settings, const ViewMapping& view,
                             CurveSummaries* summaries)
    : m_computation(computation), m_settings(settings), m_view(view), m_summaries(summaries)
{
}

bool GraphRenderer::HasPicture() const
{
    return m_computation.IsComputed() && m_computation.DisplayedCount() > 0;
}

void GraphRenderer::DrawAll(QPainter& painter) const
{
    const QRect client(0, 0, m_view.ClientSize().width, m_view.ClientSize().height);
    DrawBackground(painter, client);
    if (!HasPicture()) {
        DrawEmptyMessage(painter);
        return;
    }
    DrawGridAndAxes(painter, client);
    DrawCurves(painter, client);
}

void GraphRenderer::DrawBackground(QPainter& painter, const QRect& paint) const
{
    const ViewLayout layout(QSize(m_view.ClientSize().width, m_view.ClientSize().height));
    painter.save();
    painter.setClipRect(paint);
    FramePainter::DrawBackground(painter, layout, paint);
    painter.restore();
}

void GraphRenderer::DrawEmptyMessage(QPainter& painter) const
{
    const ViewLayout layout(QSize(m_view.ClientSize().width, m_view.ClientSize().height));
    EmptyViewPainter::Draw(painter, layout, m_computation.IsComputed() ? StringId::NoGraphs : StringId::NotComputed,
                           m_settings.ShowLogo);
}

void GraphRenderer::DrawGridAndAxes(QPainter& painter, const QRect& paint) const
{
    if (!HasExtent())
        return;
    const PaintContext context(m_view, paint);
    painter.save();
    painter.setClipRect(paint & context.Layout().Area());
    painter.translate(context.Offset());
    DrawBorder(painter);
    if (m_settings.ShowGrid)
        GridPainter(painter, context).Draw(m_settings.GridSize);
    painter.restore();
    AxesPainter(painter, context).Draw();
}

// An empty world or a picture of no extent draws nothing.
bool GraphRenderer::HasExtent() const
{
    return !m_view.IsEmpty() && m_view.DrawingSize().width >= 1 && m_view.DrawingSize().height >= 1;
}

// A picture smaller than the drawing area gets a one-pixel border on the
// sides where it is smaller.
void GraphRenderer::DrawBorder(QPainter& painter) const
{
    const PixelSize picture = m_view.PictureSize();
    const bool narrower = picture.width < m_view.AreaWidth();
    const bool lower = picture.height < m_view.AreaHeight();
    painter.setPen(Qt::black);
    if (narrower && lower) {
        painter.drawRect(-1, -1, picture.width + 1, picture.height + 1);
    } else if (narrower) {
        painter.drawLine(-1, 0, -1, m_view.AreaHeight());
        painter.drawLine(picture.width, 0, picture.width, m_view.AreaHeight());
    } else if (lower) {
        painter.drawLine(0, -1, m_view.AreaWidth(), -1);
        painter.drawLine(0, picture.height, m_view.AreaWidth(), picture.height);
    }
}

void GraphRenderer::DrawCurves(QPainter& painter, const QRect& paint) const
{
    if (!HasExtent())
        return;
    const PaintContext context(m_view, paint);
    const QRect picture(context.Offset(), QSize(context.Width() + 1, context.Height()));
    painter.save();
    painter.setClipRect(paint & picture & context.Layout().Area());
    painter.translate(context.Offset());
    CurvePainter::DrawCurves(painter, context, m_computation, m_summaries, CurveStyle::From(m_settings));
    painter.restore();
}
