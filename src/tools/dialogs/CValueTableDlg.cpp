#include "tools/dialogs/CValueTableDlg.h"

#include "kit/AppMessageBox.h"
#include "model/AppStringFormat.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "expr/CVariableTable.h"
#include "kit/FieldFocus.h"
#include "tools/dialogs/GraphChoice.h"
#include "HelpContext.h"
#include "kit/HelpKey.h"
#include "tools/IntegralBounds.h"
#include "kit/MessageBoxStyle.h"
#include "tools/dialogs/ResultTable.h"
#include "tools/dialogs/TableExport.h"
#include "tools/ValueTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace {

// The dialog's help topic (F1).
constexpr int kDefaultSteps = 10;

QString Number(double value)
{
    return QString::number(value, 'g', 10);
}

// The whole text as a finite decimal number.
bool ReadNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    while (end && *end == ' ')
        ++end;
    return !text.empty() && end && *end == '\0' && errno == 0 && std::isfinite(value);
}

}  // namespace

CValueTableDlg::CValueTableDlg(CCurvixDoc& document, const GraphComputation& graphComputation,
                               const AnalysisViewHooks& viewHooks, QWidget* parent)
    : QDialog(parent),
      doc(document),
      computation(graphComputation),
      hooks(viewHooks),
      graphBox(new QComboBox(this)),
      fromEdit(new QLineEdit(this)),
      toEdit(new QLineEdit(this)),
      stepEdit(new QLineEdit(this)),
      makeButton(new QPushButton(AppText(StringId::MakeTable), this)),
      table(NewResultTable(this)),
      copyButton(new QPushButton(AppText(StringId::CopyTable), this)),
      saveButton(new QPushButton(AppText(StringId::SaveTableCsv), this))
{
    setWindowTitle(AppText(StringId::ValueTableCaption));
    InstallHelpKey(*this, HelpContext::OfDialog(DialogId::ValueTable));
    NameControls({{graphBox, "graph"}, {fromEdit, "from"}, {toEdit, "to"}, {stepEdit, "step"}, {makeButton, "make"},
                  {table, "table"}, {copyButton, "copy"}, {saveButton, "save"}});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QGridLayout(this);
    auto* graphLabel = new QLabel(AppText(StringId::GraphLabel), this);
    graphLabel->setBuddy(graphBox);
    layout->addWidget(graphLabel, 0, 0);
    layout->addWidget(graphBox, 0, 1, 1, 5);
    layout->addWidget(new QLabel(AppText(StringId::From), this), 1, 0);
    layout->addWidget(fromEdit, 1, 1);
    layout->addWidget(new QLabel(AppText(StringId::To), this), 1, 2);
    layout->addWidget(toEdit, 1, 3);
    auto* stepLabel = new QLabel(AppText(StringId::TableStep), this);
    stepLabel->setBuddy(stepEdit);
    layout->addWidget(stepLabel, 1, 4);
    layout->addWidget(stepEdit, 1, 5);
    layout->addWidget(makeButton, 2, 0, 1, 2);
    layout->addWidget(table, 3, 0, 1, 6);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(copyButton);
    exportRow->addWidget(saveButton);
    exportRow->addStretch();
    exportRow->addWidget(buttons);
    layout->addLayout(exportRow, 4, 0, 1, 6);
    layout->setRowStretch(3, 1);
    makeButton->setDefault(true);

    FillGraphChoice(*graphBox, doc, computation, [](GraphKind) { return true; }, hooks.selected ? hooks.selected() : -1);
    SetRange();
    ShowTable();
    connect(graphBox, &QComboBox::currentIndexChanged, this, &CValueTableDlg::SetRange);
    connect(makeButton, &QPushButton::clicked, this, &CValueTableDlg::OnMakeTable);
    connect(copyButton, &QPushButton::clicked, this, &CValueTableDlg::OnCopy);
    connect(saveButton, &QPushButton::clicked, this, &CValueTableDlg::OnSave);
    connect(buttons, &QDialogButtonBox::rejected, this, &CValueTableDlg::reject);
    resize(480, 460);
}

// The visible range of a function's argument, a curve's own range of t.
void CValueTableDlg::SetRange()
{
    const int chosen = ChosenGraph(*graphBox);
    if (chosen < 0)
        return;
    const GraphItem& graph = computation.DisplayedGraph(chosen);
    double from = graph.range.from, to = graph.range.to;
    if ((graph.kind == KindYofX || graph.kind == KindXofY) && hooks.visible) {
        const auto [low, high] = hooks.visible();
        from = graph.kind == KindYofX ? low.x : low.y;
        to = graph.kind == KindYofX ? high.x : high.y;
    }
    fromEdit->setText(Number(from));
    toEdit->setText(Number(to));
    stepEdit->setText(Number((to - from) / kDefaultSteps));
}

void CValueTableDlg::OnMakeTable()
{
    const int chosen = ChosenGraph(*graphBox);
    if (chosen < 0) {
        AppMessageBox::Show(this, StringId::NoComputedGraph, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    IntegralBounds bounds;
    const std::string refusal =
        ReadIntegralBounds(fromEdit->text().toStdString(), toEdit->text().toStdString(), false, bounds);
    if (!refusal.empty()) {
        AppMessageBox::Show(this, QString::fromStdString(refusal), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(bounds.refused == IntegralBounds::From ? fromEdit : toEdit);
        return;
    }
    ValueTableRange range{bounds.from, bounds.to, 0};
    if (!ReadNumber(stepEdit->text().toStdString(), range.step)) {
        AppMessageBox::Show(this, QString::fromStdString(FormatAppString(StringId::BadStep, stepEdit->text().toStdString())),
                            StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(stepEdit);
        return;
    }
    if (const std::optional<StringId> message = ValueTableRefusal(range)) {
        AppMessageBox::Show(this, *message, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(stepEdit);
        return;
    }
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        AppMessageBox::Show(this, StringId::ComputationRunning, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    const GraphItem graph = computation.DisplayedGraph(chosen);
    try {
        points = ComputeValueTable(graph, range);
        kind = graph.kind;
    } catch (const CException& error) {
        lock.unlock();
        AppMessageBox::ReportError(this, error);
        return;
    }
    ShowTable();
}

void CValueTableDlg::ShowTable()
{
    FillResultTable(*table, ValueTableCells(kind, points));
    copyButton->setEnabled(!points.empty());
    saveButton->setEnabled(!points.empty());
}

void CValueTableDlg::OnCopy()
{
    TableExport::Copy(ValueTableCells(kind, points));
}

void CValueTableDlg::OnSave()
{
    TableExport::SaveCsv(this, ValueTableCells(kind, points));
}
