#pragma once

#include "TableText.h"

class QTableWidget;
class QWidget;

// The read-only table the analysis dialogs show their results in: whole
// rows are selected, one at a time.
QTableWidget* NewResultTable(QWidget* parent);
// Shows the cells: the first row as the headings, the others below them.
void FillResultTable(QTableWidget& table, const TableRows& rows);
