#include "view/render/FramePainter.h"

#include "view/render/ViewLayout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

// A rectangle from (left, top) to just before (right, bottom).
void Fill(QPainter& painter, int left, int top, int right, int bottom, const QColor& color)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), color);
}

QColor Shadow()
{
    return QGuiApplication::palette().color(QPalette::Dark);
}

QColor Highlight()
{
    return QGuiApplication::palette().color(QPalette::Light);
}

}  // namespace

QColor FramePainter::ButtonFace()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

void FramePainter::DrawBackground(QPainter& painter, const ViewLayout& layout, const QRect& paint)
{
    painter.fillRect(layout.Background(), Qt::white);
    DrawFrame(painter, layout, paint);
}

void FramePainter::DrawFrame(QPainter& painter, const ViewLayout& layout, const QRect& paint)
{
    if (paint.intersects(layout.RightStrip()))
        DrawRightStrip(painter, layout);
    if (paint.intersects(layout.BottomStrip()))
        DrawBottomStrip(painter, layout);
}

void FramePainter::DrawRightStrip(QPainter& painter, const ViewLayout& layout)
{
    const int w = layout.Client().width();
    const int h = layout.Client().height();
    const int aw = layout.AreaWidth();
    Fill(painter, aw + 3, 0, w - 2, h, ButtonFace());
    Fill(painter, w - 3, 0, w + 1, h, Shadow());
    Fill(painter, aw + 3, h - 39, w - 2, h - 37, Shadow());
    Fill(painter, aw + 3, h - 38, w - 2, h - 36, Highlight());
    // Filled, not stroked: at any device pixel ratio the line stays on its
    // own column, outside the drawing area that scrolls.
    Fill(painter, aw, 0, aw + 1, layout.AreaHeight(), Qt::black);
}

void FramePainter::DrawBottomStrip(QPainter& painter, const ViewLayout& layout)
{
    const int h = layout.Client().height();
    const int aw = layout.AreaWidth();
    const int ah = layout.AreaHeight();
    Fill(painter, 0, ah + 3, aw + 4, h, ButtonFace());
    Fill(painter, 0, h - 3, aw + 65, h + 1, Shadow());
    Fill(painter, aw + 1, ah + 3, aw + 3, h - 2, Shadow());
    Fill(painter, aw + 2, ah + 3, aw + 4, h - 2, Highlight());
    Fill(painter, 0, ah, aw + 1, ah + 1, Qt::black);
}
