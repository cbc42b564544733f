#include "app/ProgramIcon.h"

#include "gui/AppBitmap.h"

QIcon ProgramIcon()
{
    // Pictures 128016 ... 128256: icon 128 at 16 ... 256 pixels.
    constexpr unsigned kSizes[] = {16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const unsigned size : kSizes) {
        const QPixmap picture = LoadAppImage(QString::number(128000 + size));
        if (!picture.isNull())
            icon.addPixmap(picture);
    }
    return icon;
}
