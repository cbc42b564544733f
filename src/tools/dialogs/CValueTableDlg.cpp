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
      m_doc(document),
      m_computation(graphComputation),
      m_hooks(viewHooks),
      m_graphBox(new QComboBox(this)),
      m_fromEdit(new QLineEdit(this)),
      m_toEdit(new QLineEdit(this)),
      m_stepEdit(new QLineEdit(this)),
      m_makeButton(new QPushButton(AppText(StringId::MakeTable), this)),
      m_table(NewResultTable(this)),
      m_copyButton(new QPushButton(AppText(StringId::CopyTable), this)),
      m_saveButton(new QPushButton(AppText(StringId::SaveTableCsv), this))
{
    setWindowTitle(AppText(StringId::ValueTableCaption));
    InstallHelpKey(*this, HelpContext::OfDialog(DialogId::ValueTable));
    NameControls({{m_graphBox, "graph"}, {m_fromEdit, "from"}, {m_toEdit, "to"}, {m_stepEdit, "step"}, {m_makeButton, "make"},
                  {m_table, "table"}, {m_copyButton, "copy"}, {m_saveButton, "save"}});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QGridLayout(this);
    auto* graphLabel = new QLabel(AppText(StringId::GraphLabel), this);
    graphLabel->setBuddy(m_graphBox);
    layout->addWidget(graphLabel, 0, 0);
    layout->addWidget(m_graphBox, 0, 1, 1, 5);
    layout->addWidget(new QLabel(AppText(StringId::From), this), 1, 0);
    layout->addWidget(m_fromEdit, 1, 1);
    layout->addWidget(new QLabel(AppText(StringId::To), this), 1, 2);
    layout->addWidget(m_toEdit, 1, 3);
    auto* stepLabel = new QLabel(AppText(StringId::TableStep), this);
    stepLabel->setBuddy(m_stepEdit);
    layout->addWidget(stepLabel, 1, 4);
    layout->addWidget(m_stepEdit, 1, 5);
    layout->addWidget(m_makeButton, 2, 0, 1, 2);
    layout->addWidget(m_table, 3, 0, 1, 6);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(m_copyButton);
    exportRow->addWidget(m_saveButton);
    exportRow->addStretch();
    exportRow->addWidget(buttons);
    layout->addLayout(exportRow, 4, 0, 1, 6);
    layout->setRowStretch(3, 1);
    m_makeButton->setDefault(true);

    FillGraphChoice(*m_graphBox, m_doc, m_computation, [](GraphKind) { return true; }, m_hooks.selected ? m_hooks.selected() : -1);
    SetRange();
    ShowTable();
    connect(m_graphBox, &QComboBox::currentIndexChanged, this, &CValueTableDlg::SetRange);
    connect(m_makeButton, &QPushButton::clicked, this, &CValueTableDlg::OnMakeTable);
    connect(m_copyButton, &QPushButton::clicked, this, &CValueTableDlg::OnCopy);
    connect(m_saveButton, &QPushButton::clicked, this, &CValueTableDlg::OnSave);
    connect(buttons, &QDialogButtonBox::rejected, this, &CValueTableDlg::reject);
    resize(480, 460);
}

// The visible range of a function's argument, a curve's own range of t.
void CValueTableDlg::SetRange()
{
    const int chosen = ChosenGraph(*m_graphBox);
    if (chosen < 0)
        return;
    const GraphItem& graph = m_computation.DisplayedGraph(chosen);
    double from = graph.range.from, to = graph.range.to;
    if ((graph.kind == KindYofX || graph.kind == KindXofY) && m_hooks.visible) {
        const auto [low, high] = m_hooks.visible();
        from = graph.kind == KindYofX ? low.x : low.y;
        to = graph.kind == KindYofX ? high.x : high.y;
    }
    m_fromEdit->setText(Number(from));
    m_toEdit->setText(Number(to));
    m_stepEdit->setText(Number((to - from) / kDefaultSteps));
}

void CValueTableDlg::OnMakeTable()
{
    const int chosen = ChosenGraph(*m_graphBox);
    if (chosen < 0) {
        AppMessageBox::Show(this, StringId::NoComputedGraph, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    IntegralBounds bounds;
    const std::string refusal =
        ReadIntegralBounds(m_fromEdit->text().toStdString(), m_toEdit->text().toStdString(), false, bounds);
    if (!refusal.empty()) {
        AppMessageBox::Show(this, QString::fromStdString(refusal), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(bounds.refused == IntegralBounds::From ? m_fromEdit : m_toEdit);
        return;
    }
    ValueTableRange range{bounds.from, bounds.to, 0};
    if (!ReadNumber(m_stepEdit->text().toStdString(), range.step)) {
        AppMessageBox::Show(this, QString::fromStdString(FormatAppString(StringId::BadStep, m_stepEdit->text().toStdString())),
                            StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(m_stepEdit);
        return;
    }
    if (const std::optional<StringId> message = ValueTableRefusal(range)) {
        AppMessageBox::Show(this, *message, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(m_stepEdit);
        return;
    }
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        AppMessageBox::Show(this, StringId::ComputationRunning, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    const GraphItem graph = m_computation.DisplayedGraph(chosen);
    try {
        m_points = ComputeValueTable(graph, range);
        m_kind = graph.kind;
    } catch (const CException& error) {
        lock.unlock();
        AppMessageBox::ReportError(this, error);
        return;
    }
    ShowTable();
}

void CValueTableDlg::ShowTable()
{
    FillResultTable(*m_table, ValueTableCells(m_kind, m_points));
    m_copyButton->setEnabled(!m_points.empty());
    m_saveButton->setEnabled(!m_points.empty());
}

void CValueTableDlg::OnCopy()
{
    TableExport::Copy(ValueTableCells(m_kind, m_points));
}

void CValueTableDlg::OnSave()
{
    TableExport::SaveCsv(this, ValueTableCells(m_kind, m_points));
}
