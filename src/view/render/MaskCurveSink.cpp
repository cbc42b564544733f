#include "view/render/MaskCurveSink.h"

#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

// s over d with coverage a of 255, on all four bytes of premultiplied pixels.
QRgb Mix(QRgb s, QRgb d, unsigned a)
{
    const unsigned b = 255 - a;
    unsigned redBlue = (s & 0xff00ffu) * a + (d & 0xff00ffu) * b;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    unsigned alphaGreen = ((s >> 8) & 0xff00ffu) * a + ((d >> 8) & 0xff00ffu) * b;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return redBlue | alphaGreen;
}

bool TakesDirectDrawing(const QPainter& painter, const QImage& image)
{
    const QImage::Format format = image.format();
    return (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied) && image.isDetached()
           && painter.deviceTransform().type() <= QTransform::TxScale && painter.deviceTransform().m11() > 0
           && painter.deviceTransform().m22() > 0 && painter.opacity() == 1.0
           && painter.compositionMode() == QPainter::CompositionMode_SourceOver
           && (!painter.hasClipping() || painter.clipRegion().rectCount() <= 1);
}

}  // namespace

QImage* MaskCurveSink::DirectTarget(QPainter& painter)
{
    if (!painter.paintEngine() || painter.paintEngine()->type() != QPaintEngine::Raster
        || painter.device()->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(painter.device());
    return TakesDirectDrawing(painter, *image) ? image : nullptr;
}

MaskCurveSink::MaskCurveSink(QPainter& painter, QImage& image, double width)
    : m_image(image), m_toDevice(painter.deviceTransform()),
      m_mask(DeviceClip(painter, image), width * m_toDevice.m11() / 2)
{
}

// The pixels whose centres lie in the painter's clip, within the image.
PixelRect MaskCurveSink::DeviceClip(QPainter& painter, const QImage& image)
{
    QRectF clip(0, 0, image.width(), image.height());
    if (painter.hasClipping())
        clip &= painter.deviceTransform().mapRect(painter.clipBoundingRect());
    const auto edge = [](double value) { return static_cast<std::int32_t>(std::ceil(value - 0.5)); };
    return {edge(clip.left()), edge(clip.top()), edge(clip.right()), edge(clip.bottom())};
}

void MaskCurveSink::MoveTo(std::int32_t x, std::int32_t y)
{
    m_pen = m_toDevice.map(QPointF(x, y));
}

void MaskCurveSink::LineTo(std::int32_t x, std::int32_t y)
{
    const QPointF to = m_toDevice.map(QPointF(x, y));
    m_mask.AddSegment(m_pen.x(), m_pen.y(), to.x(), to.y());
    m_pen = to;
}

void MaskCurveSink::SetPixel(std::int32_t x, std::int32_t y)
{
    const QPointF at = m_toDevice.map(QPointF(x, y));
    m_mask.AddSegment(at.x(), at.y(), at.x(), at.y());
}

void MaskCurveSink::Paint(const QColor& colour)
{
    const QRgb source = qPremultiply(colour.rgba());
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    m_mask.Drain([&](int x, int y, const std::uint8_t* coverage, int count) {
        auto* pixels = reinterpret_cast<QRgb*>(bits + y * stride) + x;
        for (int i = 0; i < count; ++i) {
            const unsigned alpha = coverage[i];
            if (alpha == 255)
                pixels[i] = source;
            else if (alpha)
                pixels[i] = Mix(source, pixels[i], alpha);
        }
    });
}
