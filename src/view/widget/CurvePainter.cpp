#include "CurvePainter.h"

#include "CCurvixDoc.h"
#include "ColorChooser.h"
#include "CurvePass.h"
#include "CurveStyle.h"
#include "CurveSummaries.h"
#include "PaintContext.h"
#include "PainterCurveSink.h"

#include <QPainter>

void CurvePainter::DrawCurves(QPainter& painter, const PaintContext& context, const CCurvixDoc& doc,
                              CurveSummaries* summaries, const CurveStyle& style)
{
    const PixelRect paint = context.PaintInDrawing();
    style.Prepare(painter);
    for (int slot = 0; slot < doc.GetDisplayedCount(); ++slot) {
        const GraphPoints& points = doc.GetGraphPoints(slot);
        painter.setPen(style.Pen(FromColorRef(points.source.color), painter.device()->devicePixelRatioF()));
        PainterCurveSink sink(painter);
        CurveSamples samples = CurveSamples::Of(points);
        if (summaries)
            samples.summary = summaries->For(slot, points);
        CurvePass(context.View(), paint, samples).Run(sink);
    }
}
