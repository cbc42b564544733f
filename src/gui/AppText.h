#pragma once

#include <QString>

// Texts of the string table as Qt strings.

// The captions of the program's message boxes.
inline constexpr unsigned kProgramNameCaption = 101;  // "Curvix"
inline constexpr unsigned kErrorCaption = 102;        // "Error"

// The text with this number; an empty string when the table has none.
QString AppText(unsigned id);
// A number as the pages show it: the "%g" format of string 3005.
QString FormatNumber(double value);
