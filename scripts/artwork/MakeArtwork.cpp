// Draws every registered bitmap into <DIRECTORY>/<number>.png. Build the
// make_artwork target and run it by hand after changing a drawing:
//   QT_QPA_PLATFORM=offscreen make_artwork res/images
// The pictures are kept in the repository; the build only embeds them.

#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

std::vector<Picture>& ArtworkRegistry()
{
    static std::vector<Picture> pictures;
    return pictures;
}

RegisterArtwork::RegisterArtwork(std::vector<Picture> pictures)
{
    for (Picture& picture : pictures)
        ArtworkRegistry().push_back(std::move(picture));
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork DIRECTORY\n");
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const Picture& picture : ArtworkRegistry()) {
        QImage image(picture.width, picture.height, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.draw(painter);
        painter.end();
        const QString path = dir.filePath(QString::number(picture.id) + ".png");
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
