#pragma once

#include "view/geometry/GeometryTypes.h"
#include "view/render/ViewLayout.h"
#include "view/geometry/ViewMapping.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// What every part of the picture is drawn against: the mapping, the client
// layout, the region being painted (window pixels), the centring offset,
// the drawing size (w, h) and the origin in drawing coordinates.
class PaintContext {
public:
    PaintContext(const ViewMapping& view, const QRect& paint);

    const ViewMapping& View() const { return m_view; }
    const ViewLayout& Layout() const { return m_layout; }
    const QRect& Paint() const { return m_paint; }
    QPoint Offset() const { return m_offset; }
    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }
    // The world origin relative to the drawing origin (Ox - scrollX, ...).
    std::int64_t OriginX() const { return m_originX; }
    std::int64_t OriginY() const { return m_originY; }
    // The painted region relative to the drawing origin, as a rectangle
    // whose right and bottom lie outside it.
    PixelRect PaintInDrawing() const;

private:
    const ViewMapping& m_view;
    ViewLayout m_layout;
    QRect m_paint;
    QPoint m_offset;
    QSize m_size;
    std::int64_t m_originX;
    std::int64_t m_originY;
};
