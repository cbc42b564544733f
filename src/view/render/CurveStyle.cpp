#include "view/render/CurveStyle.h"

#include "model/AppSettings.h"

#include <QPainter>
#include <QPen>

CurveStyle CurveStyle::From(const AppSettings& settings)
{
    return {settings.SmoothCurves, settings.CurveWidth};
}

QPen CurveStyle::Pen(const QColor& colour, double ratio) const
{
    if (!smooth && width <= 1)
        return QPen(colour, ratio == 1.0 ? 0 : 1);
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin);
    return pen;
}

void CurveStyle::Prepare(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    if (smooth)
        painter.translate(0.5, 0.5);
}
