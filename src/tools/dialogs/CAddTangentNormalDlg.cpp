#include "CAddTangentNormalDlg.h"

#include "AppBitmap.h"
#include "AppMessageBox.h"
#include "AppSettings.h"
#include "AppText.h"
#include "CCurvixDoc.h"
#include "GraphComputation.h"
#include "CGraphListBox.h"
#include "CGraphPropsSheet.h"
#include "CImageButton.h"
#include "FieldFocus.h"
#include "GraphPalette.h"
#include "HistoryStepNames.h"
#include "HelpRequests.h"
#include "MessageBoxStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

namespace {

constexpr unsigned kCaption = 21300;  // "Add tangent/normal graph"
constexpr unsigned kTangent = 21301;
constexpr unsigned kNormal = 21302;
constexpr unsigned kAdd = 21303;
constexpr unsigned kKindLabel = 21304;
constexpr unsigned kNotCalculated = 21305;
constexpr unsigned kVerticalLabel = 21306;  // "x ="
constexpr unsigned kLineLabel = 21307;      // "y ="
constexpr unsigned kTimesPi = 21203;
constexpr unsigned kCalculate = 21201;
constexpr unsigned kGraphGroup = 21103;
constexpr unsigned kClose = 13008;
constexpr unsigned kHelp = 13009;
constexpr unsigned kNotSelected = 21409;
constexpr unsigned kOutsideRange = 21410;
constexpr unsigned kNoFunction = 21411;
constexpr unsigned kDuplicate = 21412;

constexpr unsigned kCloseBitmap = 1001;
constexpr unsigned kCalculateBitmap = 2077;
constexpr unsigned kAddBitmap = 2001;
// Pictures of the kinds y = f(x), x = f(y), parametric and polar.
constexpr unsigned kKindBitmaps[] = {189, 190, 192, 191};

constexpr double kDialogPi = 3.141592654;  // this dialog's own ten-digit pi
constexpr std::uint32_t kHelpContext = 0x2009A;

CImageButton* Button(unsigned captionId, unsigned bitmapId, QWidget* parent)
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
      piBox(new QCheckBox(AppText(kTimesPi), this)),
      tangentRadio(new QRadioButton(AppText(kTangent), this)),
      normalRadio(new QRadioButton(AppText(kNormal), this)),
      equationLabel(new QLabel(AppText(kLineLabel), this)),
      resultText(new QLineEdit(AppText(kNotCalculated), this)),
      calculateButton(Button(kCalculate, kCalculateBitmap, this)),
      addButton(Button(kAdd, kAddBitmap, this))
{
    setWindowTitle(AppText(kCaption));
    auto* closeButton = Button(kClose, kCloseBitmap, this);
    auto* helpButton = Button(kHelp, 0, this);
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
    layout->addWidget(new QLabel(AppText(kGraphGroup), this), 0, 0, 1, 3);
    layout->addWidget(graphList, 1, 0, 4, 3);
    layout->addWidget(new QLabel(AppText(kKindLabel), this), 0, 3);
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
    connect(helpButton, &QPushButton::clicked, this, [] { HelpRequests::Submit({kHelpContext, 0, false}); });
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
        AppMessageBox::Show(this, kNotSelected, kProgramNameCaption, MB_ICONEXCLAMATION);
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
            AppMessageBox::Show(this, kNoFunction, kProgramNameCaption, MB_ICONEXCLAMATION);
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
    return AppMessageBox::Show(this, kOutsideRange, kProgramNameCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CAddTangentNormalDlg::ShowLine()
{
    if (!calculated)
        return;
    const TangentLine& line = tangentRadio->isChecked() ? lines.tangent : lines.normal;
    resultText->setText(QString::fromStdString(line.equation));
    equationLabel->setText(AppText(line.vertical ? kVerticalLabel : kLineLabel));
}

void CAddTangentNormalDlg::ForgetLines()
{
    calculated = false;
    addButton->setEnabled(false);
    resultText->setText(AppText(kNotCalculated));
}

bool CAddTangentNormalDlg::IsDuplicate(const GraphItem& graph)
{
    for (GraphItem* existing = doc.GetFirstGraph(); existing; existing = doc.GetNextGraph()) {
        if (!existing->ExpressionsDiffer(graph)) {
            AppMessageBox::Show(this, kDuplicate, kErrorCaption, MB_ICONEXCLAMATION);
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
    CGraphPropsSheet sheet(graph, {true, doc.CanShowAnotherGraph(), doc.coordSystem, settings.customColors}, this);
    sheet.RefuseDuplicates([this](const GraphItem& candidate) { return IsDuplicate(candidate); });
    if (sheet.DoModal() != IDOK)
        return;
    DocumentState before = doc.CaptureState();
    if (GraphItem* stored = doc.AddGraph(sheet.Graph())) {
        graphList->AddItem(stored);
        doc.RecordStep(HistoryStepNames::kAddTangent, std::move(before));
        added = true;
    }
}
