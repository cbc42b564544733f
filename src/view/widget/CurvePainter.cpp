#include "CurvePainter.h"

#include "CCurvixDoc.h"
#include "ColorChooser.h"
#include "CurvePass.h"
#include "PaintContext.h"
#include "PainterCurveSink.h"

#include <QPainter>

void CurvePainter::DrawCurves(QPainter& painter, const PaintContext& context, const CCurvixDoc& doc)
{
    const PixelRect paint = context.PaintInDrawing();
    for (int slot = 0; slot < doc.GetDisplayedCount(); ++slot) {
        const GraphPoints& points = doc.GetGraphPoints(slot);
        painter.setPen(QPen(FromColorRef(points.source.color), 0));
        PainterCurveSink sink(painter);
        CurvePass(context.View(), paint, CurveSamples::Of(points)).Run(sink);
    }
}
