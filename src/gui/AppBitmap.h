#pragma once

#include "Ids.h"

#include <QPixmap>

// The program's bitmap with this id, transparent wherever it
// has the colour of its top-left pixel; a null pixmap when there is none.
QPixmap LoadAppBitmap(BitmapId id);

// The picture res/images/<name>.png as drawn, with its own transparency; a
// null pixmap when there is none.
QPixmap LoadAppImage(const QString& name);
// The picture of this id as drawn, with its own transparency.
QPixmap LoadAppImage(BitmapId id);
