#pragma once

#include <string>
#include <vector>

// The text of the analysis tools' result tables, for the clipboard and for
// CSV files.

// A value with the given number of significant digits; the word
// "undefined" (string 22000) when it is not a finite number.
std::string SignificantText(double value, int digits);

// One line a row, the cells split by separator, each line ending in "\n".
// With a comma as separator, a cell holding a comma, a quote or a line
// break is quoted and its quotes doubled.
using TableRows = std::vector<std::vector<std::string>>;
std::string TableText(const TableRows& rows, char separator);
