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
      m_doc(document),
      m_computation(graphComputation),
      m_settings(appSettings),
      m_graphList(new CGraphListBox(this)),
      m_kindPicture(new QLabel(this)),
      m_argumentLabel(new QLabel(this)),
      m_argumentEdit(new QLineEdit("0", this)),
      m_piBox(new QCheckBox(AppText(StringId::TimesPiKey), this)),
      m_tangentRadio(new QRadioButton(AppText(StringId::Tangent), this)),
      m_normalRadio(new QRadioButton(AppText(StringId::Normal), this)),
      m_equationLabel(new QLabel(AppText(StringId::LineLabel), this)),
      m_resultText(new QLineEdit(AppText(StringId::NotCalculated), this)),
      m_calculateButton(Button(StringId::Calculate, BitmapId::CalculateButton, this)),
      m_addButton(Button(StringId::AddToList, BitmapId::AddButton, this))
{
    setWindowTitle(AppText(StringId::TangentCaption));
    auto* closeButton = Button(StringId::CloseButton, BitmapId::OkButton, this);
    auto* helpButton = new CImageButton(AppText(StringId::HelpButton), this);
    const std::pair<QWidget*, int> controls[] = {
        {closeButton, 8},     {helpButton, 9},         {m_argumentEdit, 1096},  {m_graphList, 1139},
        {m_resultText, 1140},   {m_addButton, 1141},       {m_calculateButton, 1142}, {m_tangentRadio, 1148},
        {m_normalRadio, 1149},  {m_kindPicture, 1168},     {m_argumentLabel, 1185}, {m_equationLabel, 1186},
        {m_piBox, 1218},
    };
    for (const auto& [control, id] : controls)
        control->setObjectName(QStringLiteral("control%1").arg(id));
    m_kindPicture->setAlignment(Qt::AlignCenter);
    m_kindPicture->setMinimumSize(72, 56);
    m_kindPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_resultText->setReadOnly(true);
    m_tangentRadio->setChecked(true);
    m_addButton->setEnabled(false);
    // Enter in the argument field calculates.
    m_calculateButton->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(AppText(StringId::SelectGraphGroup), this), 0, 0, 1, 3);
    layout->addWidget(m_graphList, 1, 0, 4, 3);
    layout->addWidget(new QLabel(AppText(StringId::TangentKindLabel), this), 0, 3);
    layout->addWidget(m_kindPicture, 1, 3, 2, 1);
    layout->addWidget(m_argumentLabel, 5, 0);
    layout->addWidget(m_argumentEdit, 5, 1);
    layout->addWidget(m_piBox, 5, 2);
    layout->addWidget(m_tangentRadio, 6, 0);
    layout->addWidget(m_normalRadio, 6, 1);
    layout->addWidget(m_equationLabel, 7, 0);
    layout->addWidget(m_resultText, 7, 1, 1, 2);
    layout->addWidget(m_calculateButton, 3, 3);
    layout->addWidget(m_addButton, 4, 3);
    layout->addWidget(closeButton, 6, 3);
    layout->addWidget(helpButton, 7, 3);

    for (int i = 0; i < m_computation.DisplayedCount(); ++i)
        m_displayed.push_back(m_computation.DisplayedGraph(i));
    m_graphList->SetCheckBoxes(false);
    m_graphList->FillFrom(m_displayed);
    connect(m_graphList, &QListWidget::currentRowChanged, this, &CAddTangentNormalDlg::OnSelectGraph);
    m_graphList->setCurrentRow(0);
    OnSelectGraph();

    connect(m_argumentEdit, &QLineEdit::textEdited, this, &CAddTangentNormalDlg::EnableCalculate);
    connect(m_piBox, &QCheckBox::toggled, this, &CAddTangentNormalDlg::EnableCalculate);
    connect(m_tangentRadio, &QRadioButton::toggled, this, &CAddTangentNormalDlg::ShowLine);
    connect(m_calculateButton, &QPushButton::clicked, this, &CAddTangentNormalDlg::OnCalculate);
    connect(m_addButton, &QPushButton::clicked, this, &CAddTangentNormalDlg::OnAddToList);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpButton, &QPushButton::clicked, this, [] { HelpRequests::Submit({HelpContext::OfDialog(DialogId::Tangent), 0, false}); });
    FocusField(m_argumentEdit);
}

void CAddTangentNormalDlg::OnSelectGraph()
{
    if (const GraphItem* graph = m_graphList->ItemGraph(m_graphList->CurSel()); graph && IsKnownGraphKind(graph->kind)) {
        m_kindPicture->setPixmap(LoadAppBitmap(kKindBitmaps[graph->kind]));
        m_argumentLabel->setText(AppText(GraphKindArgumentLabelId(graph->kind)));
    }
    EnableCalculate();
}

void CAddTangentNormalDlg::EnableCalculate()
{
    m_calculateButton->setEnabled(true);
}

void CAddTangentNormalDlg::OnCalculate()
{
    const int row = m_graphList->CurSel();
    const GraphItem* graph = m_graphList->ItemGraph(m_graphList->CurSel());
    if (!graph) {
        AppMessageBox::Show(this, StringId::TangentNotSelected, StringId::ProgramName, MB_ICONEXCLAMATION);
        FocusField(m_graphList);
        return;
    }
    // No check for stray characters: unreadable text is 0.
    double argument = std::atof(m_argumentEdit->text().toLocal8Bit().constData());
    if (m_piBox->isChecked())
        argument *= kDialogPi;
    if (!ConfirmRange(row, argument)) {
        FocusField(m_argumentEdit);
        return;
    }
    // A graph added here has no slot until the view computes again; its own
    // copy serves at the precision of the coordinate system in use.
    TangentNormal computed;
    const TangentResult result = row < m_computation.DisplayedCount()
                                     ? ComputeTangentNormal(m_computation, row, argument, computed)
                                     : ComputeTangentNormal(*graph, m_computation.InUse().precision, argument, computed);
    if (result != TangentComputed) {
        ForgetLines();
        if (result == TangentNoFunction)
            AppMessageBox::Show(this, StringId::NoFunctionAtArgument, StringId::ProgramName, MB_ICONEXCLAMATION);
        else if (computed.error)
            AppMessageBox::ReportError(this, *computed.error);
        FocusField(m_argumentEdit);
        return;
    }
    m_lines = computed;
    m_calculated = true;
    ShowLine();
    m_addButton->setEnabled(true);
    m_calculateButton->setEnabled(false);
}

// Outside the graph's computed range the user decides.
bool CAddTangentNormalDlg::ConfirmRange(int row, double argument)
{
    if (row >= m_computation.DisplayedCount())
        return true;
    const ArgRange& range = m_computation.Points(row).source.range;
    if (argument >= range.from && argument <= range.to)
        return true;
    return AppMessageBox::Show(this, StringId::ArgumentOutsideRange, StringId::ProgramName, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CAddTangentNormalDlg::ShowLine()
{
    if (!m_calculated)
        return;
    const TangentLine& line = m_tangentRadio->isChecked() ? m_lines.tangent : m_lines.normal;
    m_resultText->setText(QString::fromStdString(line.equation));
    m_equationLabel->setText(AppText(line.vertical ? StringId::VerticalLabel : StringId::LineLabel));
}

void CAddTangentNormalDlg::ForgetLines()
{
    m_calculated = false;
    m_addButton->setEnabled(false);
    m_resultText->setText(AppText(StringId::NotCalculated));
}

bool CAddTangentNormalDlg::IsDuplicate(const GraphItem& graph)
{
    for (GraphItem* existing = m_doc.GetFirstGraph(); existing; existing = m_doc.GetNextGraph()) {
        if (!existing->ExpressionsDiffer(graph)) {
            AppMessageBox::Show(this, StringId::DuplicateTangent, StringId::ErrorCaption, MB_ICONEXCLAMATION);
            return true;
        }
    }
    return false;
}

void CAddTangentNormalDlg::OnAddToList()
{
    const TangentLine& line = m_tangentRadio->isChecked() ? m_lines.tangent : m_lines.normal;
    GraphItem graph;
    graph.kind = line.vertical ? KindXofY : KindYofX;
    graph.expression = line.equation;
    graph.color = GraphPalette::ForNewGraph(m_doc);
    GraphPropsSheet sheet(graph, {true, m_doc.CanShowAnotherGraph(), m_doc.coordSystem, m_settings.customColors}, this);
    sheet.RefuseDuplicates([this](const GraphItem& candidate) { return IsDuplicate(candidate); });
    if (sheet.DoModal() != IDOK)
        return;
    DocumentState before = m_doc.CaptureState();
    if (GraphItem* stored = m_doc.AddGraph(sheet.Graph())) {
        m_graphList->AddItem(stored);
        m_doc.RecordStep(StringId::StepAddTangent, std::move(before));
        added = true;
    }
}
