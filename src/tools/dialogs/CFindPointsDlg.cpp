#include "tools/dialogs/CFindPointsDlg.h"

#include "kit/AppMessageBox.h"
#include "model/AppStringFormat.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "expr/CVariableTable.h"
#include "kit/FieldFocus.h"
#include "tools/FoundPointCells.h"
#include "tools/dialogs/GraphChoice.h"
#include "HelpContext.h"
#include "kit/HelpKey.h"
#include "tools/IntegralBounds.h"
#include "tools/IntegralChecks.h"
#include "kit/MessageBoxStyle.h"
#include "tools/dialogs/PointSearchEvent.h"
#include "tools/PointSearchWorker.h"
#include "tools/dialogs/ResultTable.h"
#include "tools/dialogs/TableExport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <mutex>

namespace {

// The dialog's help topic (F1).
constexpr int kDefaultPrecision = 200;
constexpr int kMostPrecision = 1000000;

bool IsFunction(GraphKind kind)
{
    return kind == KindYofX || kind == KindXofY;
}

QString Number(double value)
{
    return QString::number(value, 'g', 10);
}

}  // namespace

CFindPointsDlg::CFindPointsDlg(CCurvixDoc& document, const GraphComputation& graphComputation,
                               const AnalysisViewHooks& viewHooks, QWidget* parent)
    : QDialog(parent),
      m_doc(document),
      m_computation(graphComputation),
      m_hooks(viewHooks),
      m_graphBox(new QComboBox(this)),
      m_rootsRadio(new QRadioButton(AppText(StringId::FindRoots), this)),
      m_extremaRadio(new QRadioButton(AppText(StringId::FindExtrema), this)),
      m_meetRadio(new QRadioButton(AppText(StringId::FindIntersections), this)),
      m_secondBox(new QComboBox(this)),
      m_fromEdit(new QLineEdit(this)),
      m_toEdit(new QLineEdit(this)),
      m_piBox(new QCheckBox(AppText(StringId::TimesPiKey), this)),
      m_precisionBox(new QSpinBox(this)),
      m_searchButton(new QPushButton(AppText(StringId::Search), this)),
      m_progress(new QProgressBar(this)),
      m_statusText(new QLabel(AppText(StringId::FindPointsTip), this)),
      m_table(NewResultTable(this)),
      m_copyButton(new QPushButton(AppText(StringId::CopyTable), this)),
      m_saveButton(new QPushButton(AppText(StringId::SaveTableCsv), this))
{
    setWindowTitle(AppText(StringId::FindPointsCaption));
    InstallHelpKey(*this, HelpContext::OfDialog(DialogId::FindPoints));
    NameControls({{m_graphBox, "graph"}, {m_rootsRadio, "roots"}, {m_extremaRadio, "extrema"}, {m_meetRadio, "meet"},
                  {m_secondBox, "second"}, {m_fromEdit, "from"}, {m_toEdit, "to"}, {m_piBox, "pi"},
                  {m_precisionBox, "precision"}, {m_searchButton, "search"}, {m_statusText, "status"}, {m_table, "table"},
                  {m_copyButton, "copy"}, {m_saveButton, "save"}});
    auto* goals = new QButtonGroup(this);
    for (QRadioButton* radio : {m_rootsRadio, m_extremaRadio, m_meetRadio})
        goals->addButton(radio);
    m_rootsRadio->setChecked(true);
    m_precisionBox->setRange(1, kMostPrecision);
    m_precisionBox->setValue(kDefaultPrecision);
    m_progress->setRange(0, 100);
    m_progress->hide();
    m_statusText->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* layout = new QGridLayout(this);
    auto* graphLabel = new QLabel(AppText(StringId::GraphLabel), this);
    graphLabel->setBuddy(m_graphBox);
    layout->addWidget(graphLabel, 0, 0);
    layout->addWidget(m_graphBox, 0, 1, 1, 4);
    layout->addWidget(new QLabel(AppText(StringId::FindGroup), this), 1, 0);
    layout->addWidget(m_rootsRadio, 1, 1);
    layout->addWidget(m_extremaRadio, 1, 2, 1, 3);
    layout->addWidget(m_meetRadio, 2, 1);
    layout->addWidget(m_secondBox, 2, 2, 1, 3);
    layout->addWidget(new QLabel(AppText(StringId::From), this), 3, 0);
    layout->addWidget(m_fromEdit, 3, 1);
    layout->addWidget(new QLabel(AppText(StringId::To), this), 3, 2);
    layout->addWidget(m_toEdit, 3, 3);
    layout->addWidget(m_piBox, 3, 4);
    auto* precisionLabel = new QLabel(AppText(StringId::SearchPrecision), this);
    precisionLabel->setBuddy(m_precisionBox);
    layout->addWidget(precisionLabel, 4, 0, 1, 2);
    layout->addWidget(m_precisionBox, 4, 2);
    layout->addWidget(m_searchButton, 4, 3, 1, 2);
    layout->addWidget(m_progress, 5, 0, 1, 5);
    layout->addWidget(m_statusText, 6, 0, 1, 5);
    layout->addWidget(m_table, 7, 0, 1, 5);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(m_copyButton);
    exportRow->addWidget(m_saveButton);
    exportRow->addStretch();
    exportRow->addWidget(buttons);
    layout->addLayout(exportRow, 8, 0, 1, 5);
    layout->setRowStretch(7, 1);

    FillGraphChoice(*m_graphBox, m_doc, m_computation, IsFunction, m_hooks.selected ? m_hooks.selected() : -1);
    FillSeconds();
    SetRange();
    ShowGoal();
    ShowPoints();

    connect(m_graphBox, &QComboBox::currentIndexChanged, this, [this] {
        FillSeconds();
        SetRange();
    });
    connect(goals, &QButtonGroup::buttonToggled, this, &CFindPointsDlg::ShowGoal);
    connect(m_searchButton, &QPushButton::clicked, this, &CFindPointsDlg::OnSearch);
    connect(m_copyButton, &QPushButton::clicked, this, &CFindPointsDlg::OnCopy);
    connect(m_saveButton, &QPushButton::clicked, this, &CFindPointsDlg::OnSave);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &CFindPointsDlg::OnRowSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindPointsDlg::reject);
    resize(520, 480);
}

CFindPointsDlg::~CFindPointsDlg()
{
    StopAndWait();
}

void CFindPointsDlg::StopAndWait()
{
    m_stop.Set();
    m_worker.Delete();
}

// The graphs of the first one's kind, but that one.
void CFindPointsDlg::FillSeconds()
{
    const int first = ChosenGraph(*m_graphBox);
    const GraphKind firstKind = first < 0 ? KindYofX : m_computation.DisplayedGraph(first).kind;
    FillGraphChoice(*m_secondBox, m_doc, m_computation, [firstKind](GraphKind k) { return k == firstKind; }, -1);
    m_secondBox->removeItem(m_secondBox->findData(first));
    m_meetRadio->setEnabled(m_secondBox->count() > 0);
    if (m_meetRadio->isChecked() && m_secondBox->count() == 0)
        m_rootsRadio->setChecked(true);
}

void CFindPointsDlg::ShowGoal()
{
    m_secondBox->setEnabled(m_meetRadio->isChecked() && !m_searching);
}

// The visible range of the chosen graph's argument.
void CFindPointsDlg::SetRange()
{
    const int first = ChosenGraph(*m_graphBox);
    if (first < 0 || !m_hooks.visible)
        return;
    const auto [low, high] = m_hooks.visible();
    const bool byY = m_computation.DisplayedGraph(first).kind == KindXofY;
    m_fromEdit->setText(Number(byY ? low.y : low.x));
    m_toEdit->setText(Number(byY ? high.y : high.x));
    m_piBox->setChecked(false);
}

void CFindPointsDlg::OnSearch()
{
    if (m_searching) {
        m_stop.Set();
        return;
    }
    PointRequest request;
    if (!ReadRequest(request))
        return;
    m_stop.Reset();
    if (!m_worker.Start([request] { PointSearchWorker(request); })) {
        m_statusText->setText(AppText(StringId::SearchCannotStart));
        return;
    }
    ShowRunning(true);
}

bool CFindPointsDlg::ReadRequest(PointRequest& request)
{
    const int first = ChosenGraph(*m_graphBox);
    const int second = m_meetRadio->isChecked() ? ChosenGraph(*m_secondBox) : first;
    if (first < 0 || second < 0) {
        AppMessageBox::Show(this, first < 0 ? StringId::NoGraphToSearch : StringId::NoSecondGraph, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return false;
    }
    IntegralBounds bounds;
    const std::string refusal =
        ReadIntegralBounds(m_fromEdit->text().toStdString(), m_toEdit->text().toStdString(), m_piBox->isChecked(), bounds);
    if (!refusal.empty()) {
        AppMessageBox::Show(this, QString::fromStdString(refusal), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(bounds.refused == IntegralBounds::From ? m_fromEdit : m_toEdit);
        return false;
    }
    const std::string question = IntegralStepsMessage(StringId::ManyStepsQuestion, bounds.from, bounds.to, m_precisionBox->value());
    if (!question.empty()
        && AppMessageBox::Show(this, QString::fromStdString(question), StringId::ProgramName, MB_YESNO | MB_ICONQUESTION)
               != IDYES)
        return false;
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        AppMessageBox::Show(this, StringId::ComputationRunning, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return false;
    }
    const GraphItem& graph = m_computation.DisplayedGraph(first);
    m_goal = m_meetRadio->isChecked() ? PointGoal::Intersections
         : m_extremaRadio->isChecked() ? PointGoal::Extrema : PointGoal::Roots;
    m_kind = graph.kind;
    request.goal = m_goal;
    request.expression = graph.expression;
    request.expression2 = m_computation.DisplayedGraph(second).expression;
    request.argument = GraphKindArgument(m_kind)[0];
    request.from = bounds.from;
    request.to = bounds.to;
    request.samplesPerUnit = m_precisionBox->value();
    request.sink = &m_sink;
    request.stop = &m_stop;
    return true;
}

void CFindPointsDlg::ShowRunning(bool running)
{
    m_searching = running;
    m_searchButton->setText(AppText(running ? StringId::Stop : StringId::Search));
    m_progress->setVisible(running);
    m_progress->setValue(0);
    for (QWidget* control : std::initializer_list<QWidget*>{m_graphBox, m_rootsRadio, m_extremaRadio, m_meetRadio, m_fromEdit,
                                                            m_toEdit, m_piBox, m_precisionBox, m_copyButton, m_saveButton})
        control->setEnabled(!running);
    if (!running)
        m_meetRadio->setEnabled(m_secondBox->count() > 0);
    ShowGoal();
    if (running) {
        m_statusText->setText(QString::fromStdString(FormatAppString(StringId::SearchingFormat, "0")));
        m_points.clear();
        ShowPoints();
    }
}

bool CFindPointsDlg::event(QEvent* event)
{
    if (event->type() == WM_POINTS_PROGRESS) {
        const int percent = static_cast<PointSearchEvent*>(event)->percent;
        m_progress->setValue(percent);
        m_statusText->setText(QString::fromStdString(FormatAppString(StringId::SearchingFormat, std::to_string(percent))));
        return true;
    }
    if (event->type() == WM_POINTS_DONE) {
        OnDone(*static_cast<PointSearchEvent*>(event));
        return true;
    }
    return QDialog::event(event);
}

void CFindPointsDlg::OnDone(const PointSearchEvent& done)
{
    // The worker posted its last report and is ending.
    m_worker.Wait(WorkerThread::kInfinite, {});
    ShowRunning(false);
    if (done.error) {
        AppMessageBox::ReportError(this, *done.error);
        m_statusText->setText(QString::fromStdString(done.error->Message()));
        return;
    }
    if (done.outcome != SearchOutcome::Finished) {
        m_statusText->setText(AppText(StringId::SearchStopped));
        return;
    }
    // An x = f(y) graph's argument is the world's y.
    m_points = done.points;
    if (m_kind == KindXofY) {
        for (FoundPoint& p : m_points)
            std::swap(p.x, p.y);
    }
    m_statusText->setText(m_points.empty() ? AppText(StringId::NoneFound)
                                       : QString::fromStdString(FormatAppString(StringId::FoundFormat, std::to_string(m_points.size()))));
    ShowPoints();
    std::vector<WorldPoint> marks;
    for (const FoundPoint& p : m_points)
        marks.push_back({p.x, p.y});
    if (m_hooks.mark)
        m_hooks.mark(std::move(marks));
}

void CFindPointsDlg::ShowPoints()
{
    FillResultTable(*m_table, FoundPointCells(m_goal, m_points));
    m_copyButton->setEnabled(!m_points.empty() && !m_searching);
    m_saveButton->setEnabled(!m_points.empty() && !m_searching);
}

void CFindPointsDlg::OnRowSelected()
{
    const int row = m_table->currentRow();
    if (row >= 0 && row < static_cast<int>(m_points.size()) && m_hooks.reveal)
        m_hooks.reveal({m_points[row].x, m_points[row].y});
}

void CFindPointsDlg::OnCopy()
{
    TableExport::Copy(FoundPointCells(m_goal, m_points));
}

void CFindPointsDlg::OnSave()
{
    TableExport::SaveCsv(this, FoundPointCells(m_goal, m_points));
}

void CFindPointsDlg::reject()
{
    StopAndWait();
    QDialog::reject();
}
