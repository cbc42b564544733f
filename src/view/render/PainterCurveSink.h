#pragma once

#include "view/geometry/CurveSink.h"

#include <QPolygon>

class QPainter;

// Draws the curve pass's primitives with a painter whose pen is the
// curve's: joined lines are gathered into one polyline until the pen moves.
class PainterCurveSink : public CurveSink {
public:
    explicit PainterCurveSink(QPainter& painter);
    ~PainterCurveSink() override;

    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void SetPixel(std::int32_t x, std::int32_t y) override;

private:
    void Flush();

    QPainter& m_painter;
    QPolygon m_line;
};
