#include "view/render/CurvePainter.h"

#include "view/GraphComputation.h"
#include "gui/ColorRef.h"
#include "view/geometry/CurvePass.h"
#include "view/render/CurveStyle.h"
#include "view/render/CurveSummaries.h"
#include "view/render/MaskCurveSink.h"
#include "view/render/PaintContext.h"
#include "view/render/PainterCurveSink.h"

#include <QPainter>

#include <optional>

void CurvePainter::DrawCurves(QPainter& painter, const PaintContext& context, const GraphComputation& computation,
                              CurveSummaries* summaries, const CurveStyle& style)
{
    const PixelRect paint = context.PaintInDrawing();
    style.Prepare(painter);
    std::optional<MaskCurveSink> direct;
    if (QImage* image = style.smooth ? MaskCurveSink::DirectTarget(painter) : nullptr)
        direct.emplace(painter, *image, style.width);
    for (int slot = 0; slot < computation.DisplayedCount(); ++slot) {
        const GraphPoints& points = computation.Points(slot);
        CurveSamples samples = CurveSamples::Of(points);
        if (summaries)
            samples.summary = summaries->For(slot, points);
        const CurvePass pass(context.View(), paint, samples);
        const QColor colour = FromColorRef(points.source.color);
        if (direct) {
            pass.Run(*direct);
            direct->Paint(colour);
        } else {
            painter.setPen(style.Pen(colour, painter.device()->devicePixelRatioF()));
            PainterCurveSink sink(painter);
            pass.Run(sink);
        }
    }
}
