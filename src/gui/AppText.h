#pragma once

#include "Ids.h"

#include <QString>

// Texts of the string table as Qt strings.

// The text of this id; an empty string when the table has none.
QString AppText(StringId id);
// A number as the pages show it: the "%g" format of NumberFormat.
QString FormatNumber(double value);
