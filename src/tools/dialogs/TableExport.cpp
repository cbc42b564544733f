#include "tools/dialogs/TableExport.h"

#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "model/FileBytes.h"
#include "kit/MessageBoxStyle.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include <cstdint>
#include <span>
#include <string>

namespace {

TableExport::FileChooser& TestChooser()
{
    static TableExport::FileChooser chooser;
    return chooser;
}

QString ChooseFile(QWidget* parent)
{
    if (TestChooser())
        return TestChooser()();
    return QFileDialog::getSaveFileName(parent, AppText(StringId::SaveCsvCaption), QString(), AppText(StringId::CsvFilter));
}

}  // namespace

void TableExport::Copy(const TableRows& rows)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(TableText(rows, '\t')));
}

bool TableExport::SaveCsv(QWidget* parent, const TableRows& rows)
{
    const QString path = ChooseFile(parent);
    if (path.isEmpty())
        return false;
    const std::string text = TableText(rows, ',');
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::string failure = FileBytes::WriteReplacing(path.toStdString(), std::span(bytes, text.size()));
    if (failure.empty())
        return true;
    AppMessageBox::Show(parent, QString::fromStdString(failure), StringId::ErrorCaption, MB_ICONEXCLAMATION);
    return false;
}

void TableExport::SetTestFileChooser(FileChooser chooser)
{
    TestChooser() = std::move(chooser);
}
