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
      doc(document),
      computation(graphComputation),
      hooks(viewHooks),
      graphBox(new QComboBox(this)),
      rootsRadio(new QRadioButton(AppText(StringId::FindRoots), this)),
      extremaRadio(new QRadioButton(AppText(StringId::FindExtrema), this)),
      meetRadio(new QRadioButton(AppText(StringId::FindIntersections), this)),
      secondBox(new QComboBox(this)),
      fromEdit(new QLineEdit(this)),
      toEdit(new QLineEdit(this)),
      piBox(new QCheckBox(AppText(StringId::TimesPiKey), this)),
      precisionBox(new QSpinBox(this)),
      searchButton(new QPushButton(AppText(StringId::Search), this)),
      progress(new QProgressBar(this)),
      statusText(new QLabel(AppText(StringId::FindPointsTip), this)),
      table(NewResultTable(this)),
      copyButton(new QPushButton(AppText(StringId::CopyTable), this)),
      saveButton(new QPushButton(AppText(StringId::SaveTableCsv), this))
{
    setWindowTitle(AppText(StringId::FindPointsCaption));
    InstallHelpKey(*this, HelpContext::OfDialog(DialogId::FindPoints));
    NameControls({{graphBox, "graph"}, {rootsRadio, "roots"}, {extremaRadio, "extrema"}, {meetRadio, "meet"},
                  {secondBox, "second"}, {fromEdit, "from"}, {toEdit, "to"}, {piBox, "pi"},
                  {precisionBox, "precision"}, {searchButton, "search"}, {statusText, "status"}, {table, "table"},
                  {copyButton, "copy"}, {saveButton, "save"}});
    auto* goals = new QButtonGroup(this);
    for (QRadioButton* radio : {rootsRadio, extremaRadio, meetRadio})
        goals->addButton(radio);
    rootsRadio->setChecked(true);
    precisionBox->setRange(1, kMostPrecision);
    precisionBox->setValue(kDefaultPrecision);
    progress->setRange(0, 100);
    progress->hide();
    statusText->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* layout = new QGridLayout(this);
    auto* graphLabel = new QLabel(AppText(StringId::GraphLabel), this);
    graphLabel->setBuddy(graphBox);
    layout->addWidget(graphLabel, 0, 0);
    layout->addWidget(graphBox, 0, 1, 1, 4);
    layout->addWidget(new QLabel(AppText(StringId::FindGroup), this), 1, 0);
    layout->addWidget(rootsRadio, 1, 1);
    layout->addWidget(extremaRadio, 1, 2, 1, 3);
    layout->addWidget(meetRadio, 2, 1);
    layout->addWidget(secondBox, 2, 2, 1, 3);
    layout->addWidget(new QLabel(AppText(StringId::From), this), 3, 0);
    layout->addWidget(fromEdit, 3, 1);
    layout->addWidget(new QLabel(AppText(StringId::To), this), 3, 2);
    layout->addWidget(toEdit, 3, 3);
    layout->addWidget(piBox, 3, 4);
    auto* precisionLabel = new QLabel(AppText(StringId::SearchPrecision), this);
    precisionLabel->setBuddy(precisionBox);
    layout->addWidget(precisionLabel, 4, 0, 1, 2);
    layout->addWidget(precisionBox, 4, 2);
    layout->addWidget(searchButton, 4, 3, 1, 2);
    layout->addWidget(progress, 5, 0, 1, 5);
    layout->addWidget(statusText, 6, 0, 1, 5);
    layout->addWidget(table, 7, 0, 1, 5);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(copyButton);
    exportRow->addWidget(saveButton);
    exportRow->addStretch();
    exportRow->addWidget(buttons);
    layout->addLayout(exportRow, 8, 0, 1, 5);
    layout->setRowStretch(7, 1);

    FillGraphChoice(*graphBox, doc, computation, IsFunction, hooks.selected ? hooks.selected() : -1);
    FillSeconds();
    SetRange();
    ShowGoal();
    ShowPoints();

    connect(graphBox, &QComboBox::currentIndexChanged, this, [this] {
        FillSeconds();
        SetRange();
    });
    connect(goals, &QButtonGroup::buttonToggled, this, &CFindPointsDlg::ShowGoal);
    connect(searchButton, &QPushButton::clicked, this, &CFindPointsDlg::OnSearch);
    connect(copyButton, &QPushButton::clicked, this, &CFindPointsDlg::OnCopy);
    connect(saveButton, &QPushButton::clicked, this, &CFindPointsDlg::OnSave);
    connect(table, &QTableWidget::itemSelectionChanged, this, &CFindPointsDlg::OnRowSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindPointsDlg::reject);
    resize(520, 480);
}

CFindPointsDlg::~CFindPointsDlg()
{
    StopAndWait();
}

void CFindPointsDlg::StopAndWait()
{
    stop.Set();
    worker.Delete();
}

// The graphs of the first one's kind, but that one.
void CFindPointsDlg::FillSeconds()
{
    const int first = ChosenGraph(*graphBox);
    const GraphKind firstKind = first < 0 ? KindYofX : computation.DisplayedGraph(first).kind;
    FillGraphChoice(*secondBox, doc, computation, [firstKind](GraphKind k) { return k == firstKind; }, -1);
    secondBox->removeItem(secondBox->findData(first));
    meetRadio->setEnabled(secondBox->count() > 0);
    if (meetRadio->isChecked() && secondBox->count() == 0)
        rootsRadio->setChecked(true);
}

void CFindPointsDlg::ShowGoal()
{
    secondBox->setEnabled(meetRadio->isChecked() && !searching);
}

// The visible range of the chosen graph's argument.
void CFindPointsDlg::SetRange()
{
    const int first = ChosenGraph(*graphBox);
    if (first < 0 || !hooks.visible)
        return;
    const auto [low, high] = hooks.visible();
    const bool byY = computation.DisplayedGraph(first).kind == KindXofY;
    fromEdit->setText(Number(byY ? low.y : low.x));
    toEdit->setText(Number(byY ? high.y : high.x));
    piBox->setChecked(false);
}

void CFindPointsDlg::OnSearch()
{
    if (searching) {
        stop.Set();
        return;
    }
    PointRequest request;
    if (!ReadRequest(request))
        return;
    stop.Reset();
    if (!worker.Start([request] { PointSearchWorker(request); })) {
        statusText->setText(AppText(StringId::SearchCannotStart));
        return;
    }
    ShowRunning(true);
}

bool CFindPointsDlg::ReadRequest(PointRequest& request)
{
    const int first = ChosenGraph(*graphBox);
    const int second = meetRadio->isChecked() ? ChosenGraph(*secondBox) : first;
    if (first < 0 || second < 0) {
        AppMessageBox::Show(this, first < 0 ? StringId::NoGraphToSearch : StringId::NoSecondGraph, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return false;
    }
    IntegralBounds bounds;
    const std::string refusal =
        ReadIntegralBounds(fromEdit->text().toStdString(), toEdit->text().toStdString(), piBox->isChecked(), bounds);
    if (!refusal.empty()) {
        AppMessageBox::Show(this, QString::fromStdString(refusal), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(bounds.refused == IntegralBounds::From ? fromEdit : toEdit);
        return false;
    }
    const std::string question = IntegralStepsMessage(StringId::ManyStepsQuestion, bounds.from, bounds.to, precisionBox->value());
    if (!question.empty()
        && AppMessageBox::Show(this, QString::fromStdString(question), StringId::ProgramName, MB_YESNO | MB_ICONQUESTION)
               != IDYES)
        return false;
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        AppMessageBox::Show(this, StringId::ComputationRunning, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return false;
    }
    const GraphItem& graph = computation.DisplayedGraph(first);
    goal = meetRadio->isChecked() ? PointGoal::Intersections
         : extremaRadio->isChecked() ? PointGoal::Extrema : PointGoal::Roots;
    kind = graph.kind;
    request.goal = goal;
    request.expression = graph.expression;
    request.expression2 = computation.DisplayedGraph(second).expression;
    request.argument = GraphKindArgument(kind)[0];
    request.from = bounds.from;
    request.to = bounds.to;
    request.samplesPerUnit = precisionBox->value();
    request.sink = &sink;
    request.stop = &stop;
    return true;
}

void CFindPointsDlg::ShowRunning(bool running)
{
    searching = running;
    searchButton->setText(AppText(running ? StringId::Stop : StringId::Search));
    progress->setVisible(running);
    progress->setValue(0);
    for (QWidget* control : std::initializer_list<QWidget*>{graphBox, rootsRadio, extremaRadio, meetRadio, fromEdit,
                                                            toEdit, piBox, precisionBox, copyButton, saveButton})
        control->setEnabled(!running);
    if (!running)
        meetRadio->setEnabled(secondBox->count() > 0);
    ShowGoal();
    if (running) {
        statusText->setText(QString::fromStdString(FormatAppString(StringId::SearchingFormat, "0")));
        points.clear();
        ShowPoints();
    }
}

bool CFindPointsDlg::event(QEvent* event)
{
    if (event->type() == WM_POINTS_PROGRESS) {
        const int percent = static_cast<PointSearchEvent*>(event)->percent;
        progress->setValue(percent);
        statusText->setText(QString::fromStdString(FormatAppString(StringId::SearchingFormat, std::to_string(percent))));
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
    worker.Wait(WorkerThread::kInfinite, {});
    ShowRunning(false);
    if (done.error) {
        AppMessageBox::ReportError(this, *done.error);
        statusText->setText(QString::fromStdString(done.error->Message()));
        return;
    }
    if (done.outcome != SearchOutcome::Finished) {
        statusText->setText(AppText(StringId::SearchStopped));
        return;
    }
    // An x = f(y) graph's argument is the world's y.
    points = done.points;
    if (kind == KindXofY) {
        for (FoundPoint& p : points)
            std::swap(p.x, p.y);
    }
    statusText->setText(points.empty() ? AppText(StringId::NoneFound)
                                       : QString::fromStdString(FormatAppString(StringId::FoundFormat, std::to_string(points.size()))));
    ShowPoints();
    std::vector<WorldPoint> marks;
    for (const FoundPoint& p : points)
        marks.push_back({p.x, p.y});
    if (hooks.mark)
        hooks.mark(std::move(marks));
}

void CFindPointsDlg::ShowPoints()
{
    FillResultTable(*table, FoundPointCells(goal, points));
    copyButton->setEnabled(!points.empty() && !searching);
    saveButton->setEnabled(!points.empty() && !searching);
}

void CFindPointsDlg::OnRowSelected()
{
    const int row = table->currentRow();
    if (row >= 0 && row < static_cast<int>(points.size()) && hooks.reveal)
        hooks.reveal({points[row].x, points[row].y});
}

void CFindPointsDlg::OnCopy()
{
    TableExport::Copy(FoundPointCells(goal, points));
}

void CFindPointsDlg::OnSave()
{
    TableExport::SaveCsv(this, FoundPointCells(goal, points));
}

void CFindPointsDlg::reject()
{
    StopAndWait();
    QDialog::reject();
}
