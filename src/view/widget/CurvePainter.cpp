#include "CurvePainter.h"

#include "CCurvixDoc.h"
#include "ColorChooser.h"
#include "CurvePass.h"
#include "CurveSummaries.h"
#include "PaintContext.h"
#include "PainterCurveSink.h"

#include <QPainter>

void CurvePainter::DrawCurves(QPainter& painter, const PaintContext& context, const CCurvixDoc& doc,
                              CurveSummaries* summaries)
{
    const PixelRect paint = context.PaintInDrawing();
    for (int slot = 0; slot < doc.GetDisplayedCount(); ++slot) {
        const GraphPoints& points = doc.GetGraphPoints(slot);
        painter.setPen(QPen(FromColorRef(points.source.color), 0));
        PainterCurveSink sink(painter);
        CurveSamples samples = CurveSamples::Of(points);
        if (summaries)
            samples.summary = summaries->For(slot, points);
        CurvePass(context.View(), paint, samples).Run(sink);
    }
}
