#include "AppText.h"

#include "StringTable.h"

QString AppText(unsigned id)
{
    return QString::fromUtf8(LoadAppString(id));
}

QString FormatNumber(double value)
{
    // QString::asprintf formats in the "C" locale whatever the user's locale.
    return QString::asprintf(LoadAppString(3005), value);
}
