#pragma once

#include "tools/TableText.h"

#include <QString>

#include <functional>

class QWidget;

// Copying and saving the analysis tools' result tables.
namespace TableExport {

// Puts the table on the clipboard as tab-separated text.
void Copy(const TableRows& rows);

// Asks for a file and writes the table there as CSV, whole or not at all
// (a new file renamed over the old one). A failure is reported in a message
// box. True when the file was written.
bool SaveCsv(QWidget* parent, const TableRows& rows);

// Tests answer the file question themselves: the path, empty to cancel.
using FileChooser = std::function<QString()>;
void SetTestFileChooser(FileChooser chooser);

}  // namespace TableExport
