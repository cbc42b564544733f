#include "view/render/PaintContext.h"

PaintContext::PaintContext(const ViewMapping& view, const QRect& paint)
    : m_view(view),
      m_layout(QSize(view.ClientSize().width, view.ClientSize().height)),
      m_paint(paint),
      m_offset(static_cast<int>(view.CentringOffset().x), static_cast<int>(view.CentringOffset().y)),
      m_size(view.DrawingSize().width, view.DrawingSize().height),
      m_originX(view.GetOrigin().x - view.ScrollPosition().x),
      m_originY(view.GetOrigin().y - view.ScrollPosition().y)
{
}

PixelRect PaintContext::PaintInDrawing() const
{
    return {m_paint.left() - m_offset.x(), m_paint.top() - m_offset.y(), m_paint.right() + 1 - m_offset.x(),
            m_paint.bottom() + 1 - m_offset.y()};
}
