#include "view/render/PictureFile.h"

#include "gui/AppText.h"
#include "model/FileBytes.h"
#include "model/FileMessages.h"
#include "view/render/GraphRenderer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <cstdint>

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kCssPixelsPerInch = 96;  // an SVG's size in its readers' pixels

QSize Scaled(QSize size, double scale)
{
    return {static_cast<int>(std::ceil(size.width() * scale)), static_cast<int>(std::ceil(size.height() * scale))};
}

QByteArray Png(const GraphRenderer& renderer, QSize size, double scale)
{
    const QImage image = PictureFile::Image(renderer, size, scale);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return {};
    return png;
}

QByteArray Svg(const GraphRenderer& renderer, QSize size, double scale)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(AppText(StringId::PictureTitle));
    generator.setResolution(kCssPixelsPerInch);
    generator.setSize(Scaled(size, scale));
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&generator);
    painter.scale(scale, scale);
    renderer.DrawAll(painter);
    return painter.end() ? svg : QByteArray();
}

// One page of the picture's size, a window pixel to a point at scale 1.
QByteArray Pdf(const GraphRenderer& renderer, QSize size, double scale)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPointsPerInch);
    writer.setPageSize(QPageSize(QSizeF(Scaled(size, scale)), QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    painter.scale(scale, scale);
    renderer.DrawAll(painter);
    return painter.end() ? pdf : QByteArray();
}

}  // namespace

PictureFile::Format PictureFile::FormatOf(const QString& path)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return Format::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return Format::Pdf;
    return Format::Png;
}

QString PictureFile::Extension(Format format)
{
    switch (format) {
    case Format::Svg:
        return QStringLiteral(".svg");
    case Format::Pdf:
        return QStringLiteral(".pdf");
    case Format::Png:
        break;
    }
    return QStringLiteral(".png");
}

QImage PictureFile::Image(const GraphRenderer& renderer, QSize size, double scale)
{
    QImage image(Scaled(size, scale), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.DrawAll(painter);
    return image;
}

QByteArray PictureFile::Contents(const GraphRenderer& renderer, QSize size, double scale, Format format)
{
    switch (format) {
    case Format::Svg:
        return Svg(renderer, size, scale);
    case Format::Pdf:
        return Pdf(renderer, size, scale);
    case Format::Png:
        break;
    }
    return Png(renderer, size, scale);
}

std::string PictureFile::Write(const std::string& path, const QByteArray& contents)
{
    // Drawing into memory fails only when the memory runs out.
    if (contents.isEmpty())
        return FileMessages::Saving(path, FileMessages::OutOfMemory());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(contents.constData());
    return FileBytes::WriteReplacing(path, {bytes, static_cast<std::size_t>(contents.size())});
}
