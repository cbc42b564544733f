#include "gui/AppBitmap.h"

#include "IdConversions.h"

#include <QBitmap>
#include <QImage>

// The bitmaps are compiled into this static library; referencing the
// resource's initialiser keeps the linker from dropping them.
static void InitAppImages()
{
    Q_INIT_RESOURCE(images);
}

static QImage LoadImage(const QString& name)
{
    static const bool initialised = (InitAppImages(), true);
    (void)initialised;
    return QImage(QStringLiteral(":/images/%1.png").arg(name));
}

QPixmap LoadAppImage(const QString& name)
{
    return QPixmap::fromImage(LoadImage(name));
}

QPixmap LoadAppImage(BitmapId id)
{
    return LoadAppImage(QString::number(NumberOf(id)));
}

QPixmap LoadAppBitmap(BitmapId id)
{
    const QImage image = LoadImage(QString::number(NumberOf(id)));
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    const QImage mask = image.createMaskFromColor(image.pixel(0, 0), Qt::MaskInColor);
    pixmap.setMask(QBitmap::fromImage(mask));
    return pixmap;
}
