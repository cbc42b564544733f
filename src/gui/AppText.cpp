#include "gui/AppText.h"

#include "StringTable.h"

QString AppText(StringId id)
{
    return QString::fromUtf8(LoadAppString(id));
}

QString FormatNumber(double value)
{
    // QString::asprintf formats in the "C" locale whatever the user's locale.
    return QString::asprintf(LoadAppString(StringId::NumberFormat), value);
}
