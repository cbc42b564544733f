#include "view/render/PainterCurveSink.h"

#include <QPainter>

PainterCurveSink::PainterCurveSink(QPainter& painter) : m_painter(painter)
{
}

PainterCurveSink::~PainterCurveSink()
{
    Flush();
}

void PainterCurveSink::MoveTo(std::int32_t x, std::int32_t y)
{
    Flush();
    m_line.append(QPoint(x, y));
}

void PainterCurveSink::LineTo(std::int32_t x, std::int32_t y)
{
    m_line.append(QPoint(x, y));
}

void PainterCurveSink::SetPixel(std::int32_t x, std::int32_t y)
{
    m_painter.drawPoint(x, y);
}

void PainterCurveSink::Flush()
{
    if (m_line.size() > 1)
        m_painter.drawPolyline(m_line);
    m_line.clear();
}
