#pragma once

#include <QPixmap>

// The program's bitmap with this resource number, transparent wherever it
// has the colour of its top-left pixel; a null pixmap when there is none.
QPixmap LoadAppBitmap(unsigned id);

// The picture res/images/<name>.png as drawn, with its own transparency; a
// null pixmap when there is none.
QPixmap LoadAppImage(const QString& name);
