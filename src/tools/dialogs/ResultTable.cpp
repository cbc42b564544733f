#include "tools/dialogs/ResultTable.h"

#include <QHeaderView>
#include <QTableWidget>

void NameControls(std::initializer_list<std::pair<QWidget*, const char*>> controls)
{
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

QTableWidget* NewResultTable(QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void FillResultTable(QTableWidget& table, const TableRows& rows)
{
    table.clear();
    table.setRowCount(rows.empty() ? 0 : static_cast<int>(rows.size()) - 1);
    table.setColumnCount(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const QString text = QString::fromStdString(rows[r][c]);
            if (r == 0)
                table.setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(text));
            else
                table.setItem(static_cast<int>(r) - 1, static_cast<int>(c), new QTableWidgetItem(text));
        }
    }
    table.resizeColumnsToContents();
}
