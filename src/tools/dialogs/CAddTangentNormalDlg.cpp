#include "tools/dialogs/CAddTangentNormalDlg.h"

#include "gui/AppBitmap.h"
#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "app/CGraphListBox.h"
#include "app/GraphPropsSheet.h"
#include "kit/CImageButton.h"
#include "kit/FieldFocus.h"
#include "model/GraphPalette.h"
#include "model/HistoryStepNames.h"
#include "HelpContext.h"
#include "kit/HelpRequests.h"
#include "kit/MessageBoxStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

namespace {

// Pictures of the kinds y = f(x), x = f(y), parametric and polar.
constexpr BitmapId kKindBitmaps[] = {BitmapId::FunctionOfXKind, BitmapId::FunctionOfYKind, BitmapId::ParametricKind,
                                     BitmapId::PolarKind};

constexpr double kDialogPi = 3.141592654;  // this dialog's own ten-digit pi

CImageButton* Button(StringId captionId, BitmapId bitmapId, QWidget* parent)
{
    auto* button = new CImageButton(AppText(captionId), parent);
    button->SetBitmap(bitmapId);
    return button;
}

}  // namespace

CAddTangentNormalDlg::CAddTangentNormalDlg(CCurvixDoc& document, const GraphComputation& graphComputation,
                                           AppSettings& appSettings, QWidget* parent)
    : QDialog(parent),
      doc(document),
      computation(graphComputation),
      settings(appSettings),
      graphList(new CGraphListBox(this)),
      kindPicture(new QLabel(this)),
      argumentLabel(new QLabel(this)),
      argumentEdit(new QLineEdit("0", this)),
      piBox(new QCheckBox(AppText(StringId::TimesPiKey), this)),
      tangentRadio(new QRadioButton(AppText(StringId::Tangent), this)),
      normalRadio(new QRadioButton(AppText(StringId::Normal), this)),
      equationLabel(new QLabel(AppText(StringId::LineLabel), this)),
      resultText(new QLineEdit(AppText(StringId::NotCalculated), this)),
      calculateButton(Button(StringId::Calculate, BitmapId::CalculateButton, this)),
      addButton(Button(StringId::AddToList, BitmapId::AddButton, this))
{
    setWindowTitle(AppText(StringId::TangentCaption));
    auto* closeButton = Button(StringId::CloseButton, BitmapId::OkButton, this);
    auto* helpButton = new CImageButton(AppText(StringId::HelpButton), this);
    const std::pair<QWidget*, int> controls[] = {
        {closeButton, 8},     {helpButton, 9},         {argumentEdit, 1096},  {graphList, 1139},
        {resultText, 1140},   {addButton, 1141},       {calculateButton, 1142}, {tangentRadio, 1148},
        {normalRadio, 1149},  {kindPicture, 1168},     {argumentLabel, 1185}, {equationLabel, 1186},
        {piBox, 1218},
    };
    for (const auto& [control, id] : controls)
        control->setObjectName(QStringLiteral("control%1").arg(id));
    kindPicture->setAlignment(Qt::AlignCenter);
    kindPicture->setMinimumSize(72, 56);
    kindPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    resultText->setReadOnly(true);
    tangentRadio->setChecked(true);
    addButton->setEnabled(false);
    // Enter in the argument field calculates.
    calculateButton->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(AppText(StringId::SelectGraphGroup), this), 0, 0, 1, 3);
    layout->addWidget(graphList, 1, 0, 4, 3);
    layout->addWidget(new QLabel(AppText(StringId::TangentKindLabel), this), 0, 3);
    layout->addWidget(kindPicture, 1, 3, 2, 1);
    layout->addWidget(argumentLabel, 5, 0);
    layout->addWidget(argumentEdit, 5, 1);
    layout->addWidget(piBox, 5, 2);
    layout->addWidget(tangentRadio, 6, 0);
    layout->addWidget(normalRadio, 6, 1);
    layout->addWidget(equationLabel, 7, 0);
    layout->addWidget(resultText, 7, 1, 1, 2);
    layout->addWidget(calculateButton, 3, 3);
    layout->addWidget(addButton, 4, 3);
    layout->addWidget(closeButton, 6, 3);
    layout->addWidget(helpButton, 7, 3);

    for (int i = 0; i < computation.DisplayedCount(); ++i)
        displayed.push_back(computation.DisplayedGraph(i));
    graphList->SetCheckBoxes(false);
    graphList->FillFrom(displayed);
    connect(graphList, &QListWidget::currentRowChanged, this, &CAddTangentNormalDlg::OnSelectGraph);
    graphList->setCurrentRow(0);
    OnSelectGraph();

    connect(argumentEdit, &QLineEdit::textEdited, this, &CAddTangentNormalDlg::EnableCalculate);
    connect(piBox, &QCheckBox::toggled, this, &CAddTangentNormalDlg::EnableCalculate);
    connect(tangentRadio, &QRadioButton::toggled, this, &CAddTangentNormalDlg::ShowLine);
    connect(calculateButton, &QPushButton::clicked, this, &CAddTangentNormalDlg::OnCalculate);
    connect(addButton, &QPushButton::clicked, this, &CAddTangentNormalDlg::OnAddToList);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpButton, &QPushButton::clicked, this, [] { HelpRequests::Submit({HelpContext::OfDialog(DialogId::Tangent), 0, false}); });
    FocusField(argumentEdit);
}

void CAddTangentNormalDlg::OnSelectGraph()
{
    if (const GraphItem* graph = graphList->ItemGraph(graphList->CurSel()); graph && IsKnownGraphKind(graph->kind)) {
        kindPicture->setPixmap(LoadAppBitmap(kKindBitmaps[graph->kind]));
        argumentLabel->setText(AppText(GraphKindArgumentLabelId(graph->kind)));
    }
    EnableCalculate();
}

void CAddTangentNormalDlg::EnableCalculate()
{
    calculateButton->setEnabled(true);
}

void CAddTangentNormalDlg::OnCalculate()
{
    const int row = graphList->CurSel();
    const GraphItem* graph = graphList->ItemGraph(graphList->CurSel());
    if (!graph) {
        AppMessageBox::Show(this, StringId::TangentNotSelected, StringId::ProgramName, MB_ICONEXCLAMATION);
        FocusField(graphList);
        return;
    }
    // No check for stray characters: unreadable text is 0.
    double argument = std::atof(argumentEdit->text().toLocal8Bit().constData());
    if (piBox->isChecked())
        argument *= kDialogPi;
    if (!ConfirmRange(row, argument)) {
        FocusField(argumentEdit);
        return;
    }
    // A graph added here has no slot until the view computes again; its own
    // copy serves at the precision of the coordinate system in use.
    TangentNormal computed;
    const TangentResult result = row < computation.DisplayedCount()
                                     ? ComputeTangentNormal(computation, row, argument, computed)
                                     : ComputeTangentNormal(*graph, computation.InUse().precision, argument, computed);
    if (result != TangentComputed) {
        ForgetLines();
        if (result == TangentNoFunction)
            AppMessageBox::Show(this, StringId::NoFunctionAtArgument, StringId::ProgramName, MB_ICONEXCLAMATION);
        else if (computed.error)
            AppMessageBox::ReportError(this, *computed.error);
        FocusField(argumentEdit);
        return;
    }
    lines = computed;
    calculated = true;
    ShowLine();
    addButton->setEnabled(true);
    calculateButton->setEnabled(false);
}

// Outside the graph's computed range the user decides.
bool CAddTangentNormalDlg::ConfirmRange(int row, double argument)
{
    if (row >= computation.DisplayedCount())
        return true;
    const ArgRange& range = computation.Points(row).source.range;
    if (argument >= range.from && argument <= range.to)
        return true;
    return AppMessageBox::Show(this, StringId::ArgumentOutsideRange, StringId::ProgramName, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CAddTangentNormalDlg::ShowLine()
{
    if (!calculated)
        return;
    const TangentLine& line = tangentRadio->isChecked() ? lines.tangent : lines.normal;
    resultText->setText(QString::fromStdString(line.equation));
    equationLabel->setText(AppText(line.vertical ? StringId::VerticalLabel : StringId::LineLabel));
}

void CAddTangentNormalDlg::ForgetLines()
{
    calculated = false;
    addButton->setEnabled(false);
    resultText->setText(AppText(StringId::NotCalculated));
}

bool CAddTangentNormalDlg::IsDuplicate(const GraphItem& graph)
{
    for (GraphItem* existing = doc.GetFirstGraph(); existing; existing = doc.GetNextGraph()) {
        if (!existing->ExpressionsDiffer(graph)) {
            AppMessageBox::Show(this, StringId::DuplicateTangent, StringId::ErrorCaption, MB_ICONEXCLAMATION);
            return true;
        }
    }
    return false;
}

void CAddTangentNormalDlg::OnAddToList()
{
    const TangentLine& line = tangentRadio->isChecked() ? lines.tangent : lines.normal;
    GraphItem graph;
    graph.kind = line.vertical ? KindXofY : KindYofX;
    graph.expression = line.equation;
    graph.color = GraphPalette::ForNewGraph(doc);
    GraphPropsSheet sheet(graph, {true, doc.CanShowAnotherGraph(), doc.coordSystem, settings.customColors}, this);
    sheet.RefuseDuplicates([this](const GraphItem& candidate) { return IsDuplicate(candidate); });
    if (sheet.DoModal() != IDOK)
        return;
    DocumentState before = doc.CaptureState();
    if (GraphItem* stored = doc.AddGraph(sheet.Graph())) {
        graphList->AddItem(stored);
        doc.RecordStep(StringId::StepAddTangent, std::move(before));
        added = true;
    }
}
