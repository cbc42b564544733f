#pragma once

#include <QPixmap>

// The program's bitmap with this resource number, transparent wherever it
// has the colour of its top-left pixel; a null pixmap when there is none.
QPixmap LoadAppBitmap(unsigned id);
