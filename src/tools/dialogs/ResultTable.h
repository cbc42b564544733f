#pragma once

#include "tools/TableText.h"

#include <initializer_list>
#include <utility>

class QTableWidget;
class QWidget;

// Names the dialog's controls, so that help and tests can find them.
void NameControls(std::initializer_list<std::pair<QWidget*, const char*>> controls);

// The read-only table the analysis dialogs show their results in: whole
// rows are selected, one at a time.
QTableWidget* NewResultTable(QWidget* parent);
// Shows the cells: the first row as the headings, the others below them.
void FillResultTable(QTableWidget& table, const TableRows& rows);
