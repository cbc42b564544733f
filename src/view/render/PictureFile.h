#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <string>

class GraphRenderer;

// The graph view's picture as a file: a PNG drawn like the window, or an SVG
// or PDF drawing whose curves are paths, labels text and grid and axes
// lines, all painted by the same renderer at the same geometry.
class PictureFile {
public:
    enum class Format { Png, Svg, Pdf };

    // The format a file name asks for: ".svg" and ".pdf" in any case, PNG
    // for every other name.
    static Format FormatOf(const QString& path);
    // The file name extension of a format, with its dot.
    static QString Extension(Format format);
    // The renderer's picture, whose client is size window pixels, drawn at
    // scale times the pixels; a null image when the memory runs out.
    static QImage Image(const GraphRenderer& renderer, QSize size, double scale);
    // The picture's file contents; empty when the memory ran out. A vector
    // drawing keeps the window-pixel coordinates and gives its page scale
    // times the size.
    static QByteArray Contents(const GraphRenderer& renderer, QSize size, double scale, Format format);
    // Writes the contents as a document is saved, so that a failed write
    // leaves a previous file as it was; the message for a failure, or an
    // empty one.
    static std::string Write(const std::string& path, const QByteArray& contents);
};
