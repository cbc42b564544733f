#include "tools/dialogs/CIntegralCalcResultsPage.h"

#include "gui/AppBitmap.h"
#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "kit/CAdvPropertySheet.h"
#include "model/CCurvixDoc.h"
#include "kit/CImageButton.h"
#include "tools/dialogs/CIntegralSelGraphPage.h"
#include "app/PrecisionBox.h"
#include "expr/CVariableTable.h"
#include "kit/FieldFocus.h"
#include "tools/IntegralBounds.h"
#include "tools/IntegralChecks.h"
#include "tools/dialogs/IntegralEvent.h"
#include "kit/MessageBoxStyle.h"
#include "model/PrecisionSteps.h"
#include "expr/RoundToDecimals.h"
#include "StringTable.h"

#include <QCheckBox>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <mutex>

namespace {

// The most decimal places a result of each precision is worth.
constexpr int kMostPlaces[kPrecisionCount] = {2, 3, 4, 4, 5, 6};
constexpr int kFirstMostPlaces = 10;
constexpr int kFirstPlaces = 8;

QLabel* PictureLabel(BitmapId bitmapId, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(LoadAppBitmap(bitmapId));
    return label;
}

}  // namespace

CIntegralCalcResultsPage::CIntegralCalcResultsPage(CIntegralSelGraphPage& selectionPage, CAdvPropertySheet& ownerSheet)
    : CPropertyPage(DialogId::IntegralResults, StringId::ResultsPage),
      m_selection(selectionPage),
      m_sheet(ownerSheet),
      m_formula(new QLabel(this)),
      m_letterLabel(new QLabel(this)),
      m_upperLimit(new QLabel(this)),
      m_lowerLimit(new QLabel(this)),
      m_upperPi(PictureLabel(BitmapId::Pi, this)),
      m_lowerPi(PictureLabel(BitmapId::Pi, this)),
      m_fromEdit(new QLineEdit(this)),
      m_toEdit(new QLineEdit(this)),
      m_piBox(new QCheckBox(AppText(StringId::TimesPiKey), this)),
      m_precisionList(new PrecisionBox(this)),
      m_integralRadio(new QRadioButton(AppText(StringId::IntegralChoice), this)),
      m_areaRadio(new QRadioButton(AppText(StringId::AreaChoice), this)),
      m_calculateButton(new CImageButton(AppText(StringId::Calculate), this)),
      m_calculatingLabel(new QLabel(AppText(StringId::Calculating), this)),
      m_percentText(new QLabel(this)),
      m_completeLabel(new QLabel(AppText(StringId::PercentComplete), this)),
      m_progress(new QProgressBar(this)),
      m_resultText(new QLabel(this)),
      m_roundLabel(new QLabel(AppText(StringId::RoundTo), this)),
      m_places(new QSpinBox(this)),
      m_placesLabel(new QLabel(AppText(StringId::DecimalPlaces), this))
{
    const std::pair<QWidget*, int> controls[] = {
        {m_toEdit, 1074},          {m_fromEdit, 1075},        {m_calculateButton, 1077}, {m_formula, 1083},
        {m_upperPi, 1084},         {m_resultText, 1085},      {m_lowerPi, 1086},         {m_lowerLimit, 1087},
        {m_upperLimit, 1088},      {m_places, 1091},          {m_roundLabel, 1092},      {m_placesLabel, 1093},
        {m_progress, 1113},        {m_integralRadio, 1137},   {m_areaRadio, 1138},       {m_percentText, 1193},
        {m_completeLabel, 1194},   {m_calculatingLabel, 1195}, {m_letterLabel, 1208},    {m_piBox, 1215},
        {m_precisionList, 1216},
    };
    for (const auto& [control, id] : controls)
        RegisterControl(control, id);
    m_calculateButton->SetBitmap(BitmapId::CalculateButton);
    m_resultText->setWordWrap(true);
    m_integralRadio->setChecked(true);

    // The integral sign with its limits, the function and its letter beside it.
    auto* sign = new QGridLayout;
    sign->addWidget(PictureLabel(BitmapId::IntegralSign, this), 0, 0, 2, 1);
    sign->addWidget(m_upperLimit, 0, 1, Qt::AlignTop);
    sign->addWidget(m_upperPi, 0, 2, Qt::AlignTop);
    sign->addWidget(m_lowerLimit, 1, 1, Qt::AlignBottom);
    sign->addWidget(m_lowerPi, 1, 2, Qt::AlignBottom);
    sign->addWidget(m_formula, 0, 3, 2, 1);
    sign->addWidget(new QLabel(AppText(StringId::For), this), 0, 4, 2, 1);
    sign->addWidget(m_letterLabel, 0, 5, 2, 1);
    sign->setColumnStretch(6, 1);

    auto* layout = new QGridLayout(this);
    layout->addLayout(sign, 0, 0, 1, 5);
    layout->addWidget(new QLabel(AppText(StringId::From), this), 1, 0);
    layout->addWidget(m_fromEdit, 1, 1, 1, 2);
    layout->addWidget(new QLabel(AppText(StringId::To), this), 1, 3);
    layout->addWidget(m_toEdit, 1, 4);
    layout->addWidget(m_piBox, 2, 0, 1, 2);
    layout->addWidget(new QLabel(AppText(StringId::IntegralPrecision), this), 2, 3);
    layout->addWidget(m_precisionList, 2, 4);
    layout->addWidget(m_integralRadio, 3, 0, 1, 2);
    layout->addWidget(m_areaRadio, 3, 3, 1, 2);
    layout->addWidget(m_calculateButton, 4, 0, 1, 2);
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(m_calculatingLabel);
    percentRow->addWidget(m_percentText);
    percentRow->addWidget(m_completeLabel);
    percentRow->addStretch();
    layout->addLayout(percentRow, 5, 0, 1, 5);
    layout->addWidget(m_progress, 6, 0, 1, 5);
    layout->addWidget(m_resultText, 7, 0, 1, 5);
    layout->addWidget(m_roundLabel, 8, 0, 1, 2);
    layout->addWidget(m_places, 8, 2);
    layout->addWidget(m_placesLabel, 8, 3, 1, 2);
    layout->setRowStretch(9, 1);

    connect(m_fromEdit, &QLineEdit::textChanged, this, &CIntegralCalcResultsPage::ShowLimits);
    connect(m_toEdit, &QLineEdit::textChanged, this, &CIntegralCalcResultsPage::ShowLimits);
    connect(m_piBox, &QCheckBox::toggled, this, &CIntegralCalcResultsPage::ShowLimits);
    connect(m_calculateButton, &QPushButton::clicked, this, &CIntegralCalcResultsPage::OnCalculate);
    // The stored results are shown again, rounded anew, without a new run.
    connect(m_integralRadio, &QRadioButton::toggled, this, &CIntegralCalcResultsPage::ShowResult);
    connect(m_places, &QSpinBox::valueChanged, this, &CIntegralCalcResultsPage::ShowResult);
}

void CIntegralCalcResultsPage::OnInitDialog()
{
    m_fromEdit->setText("0");
    m_toEdit->setText("1");
    m_precisionList->SetPrecision(m_selection.PrecisionInUse());
    ClearResult();
    m_progress->setRange(0, 100);
    m_places->setRange(0, kFirstMostPlaces);
    m_places->setValue(kFirstPlaces);
    ShowRunning(false);
    ShowLimits();
}

void CIntegralCalcResultsPage::OnSetActive()
{
    if (!CheckChoice()) {
        m_sheet.SetActivePage(0);
        return;
    }
    // A result belongs to its integrand.
    if (m_selection.expression != m_expression || m_selection.letter != m_letter)
        ClearResult();
    m_letter = m_selection.letter;
    m_expression = m_selection.expression;
    m_formula->setText(QString::asprintf(LoadAppString(StringId::FormulaFormat), m_expression.c_str(), m_letter.c_str()));
    m_letterLabel->setText(QString::fromStdString(m_letter));
}

// The chosen function must be usable, and compile for its letter.
bool CIntegralCalcResultsPage::CheckChoice()
{
    const std::optional<StringId> refusal =
        m_selection.resultValid ? IntegralChoiceMessage(m_selection.expression, m_selection.letter) : StringId::NothingChosen;
    if (refusal) {
        ShowMessage(*refusal, StringId::ErrorCaption);
        return false;
    }
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        ShowMessage(StringId::ComputationRunning, StringId::ErrorCaption);
        return false;
    }
    try {
        CheckIntegralSyntax(m_selection.expression, m_selection.letter[0]);
    } catch (const CException& error) {
        lock.unlock();
        AppMessageBox::ReportError(this, error);
        return false;
    }
    return true;
}

bool CIntegralCalcResultsPage::OnKillActive()
{
    if (!m_calculating)
        return true;
    if (AppMessageBox::Show(this, StringId::LeaveWhileRunning, StringId::ProgramName, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return false;
    m_run.Stop();
    return true;
}

void CIntegralCalcResultsPage::OnCalculate()
{
    if (m_calculating) {
        m_run.Stop();
        return;
    }
    IntegralBounds bounds;
    const std::string refusal =
        ReadIntegralBounds(m_fromEdit->text().toStdString(), m_toEdit->text().toStdString(), m_piBox->isChecked(), bounds);
    if (!refusal.empty()) {
        AppMessageBox::Show(this, QString::fromStdString(refusal), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(bounds.refused == IntegralBounds::From ? m_fromEdit : m_toEdit);
        return;
    }
    // A document precision that is not one of the six leaves the list
    // empty; the run then takes the first.
    const int index = std::max(m_precisionList->currentIndex(), 0);
    if (!ConfirmSteps(bounds, index))
        return;
    resultValid = false;
    m_precisionList->setCurrentIndex(index);
    const IntegralRequest request{m_expression, m_letter[0], PrecisionFromIndex(index), bounds.from, bounds.to};
    if (!m_run.Start(request, m_sink)) {
        m_resultText->setText(AppText(StringId::IntegralCannotStart));
        return;
    }
    ShowRunning(true);
    m_places->setRange(0, kMostPlaces[index]);
}

// A run of more steps than the tool should take goes ahead only when the
// user says so: it may take very long, though Stop ends it.
bool CIntegralCalcResultsPage::ConfirmSteps(const IntegralBounds& bounds, int precisionIndex)
{
    const std::string question =
        IntegralStepsMessage(StringId::ManyStepsQuestion, bounds.from, bounds.to, PrecisionFromIndex(precisionIndex));
    return question.empty()
        || AppMessageBox::Show(this, QString::fromStdString(question), StringId::ProgramName,
                               MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CIntegralCalcResultsPage::ClearResult()
{
    resultValid = false;
    m_resultText->setText(AppText(StringId::IntegralTip));
    EnableRounding(false);
}

void CIntegralCalcResultsPage::ShowRunning(bool running)
{
    m_calculating = running;
    m_calculateButton->SetCaption(AppText(running ? StringId::Stop : StringId::Calculate));
    m_calculateButton->SetBitmap(running ? BitmapId::CancelButton : BitmapId::CalculateButton);
    m_resultText->setVisible(!running);
    for (QWidget* control : {static_cast<QWidget*>(m_calculatingLabel), static_cast<QWidget*>(m_percentText),
                             static_cast<QWidget*>(m_completeLabel), static_cast<QWidget*>(m_progress)})
        control->setVisible(running);
    if (running) {
        m_progress->setValue(0);
        m_percentText->setText(QString::asprintf(LoadAppString(StringId::PercentNumber), 0));
        m_lastPercent = 0;
        EnableRounding(false);
    }
    m_sheet.EnableButtons(!running);
}

bool CIntegralCalcResultsPage::event(QEvent* event)
{
    if (event->type() == WM_INTEGRAL_DONE) {
        OnDone(*static_cast<IntegralEvent*>(event));
        return true;
    }
    if (event->type() == WM_INTEGRAL_PROGRESS) {
        OnProgress(static_cast<IntegralEvent*>(event)->Percent());
        return true;
    }
    return CPropertyPage::event(event);
}

void CIntegralCalcResultsPage::OnDone(const IntegralEvent& done)
{
    ShowRunning(false);
    const IntegralResult& result = done.Result();
    if (const auto& error = result.error) {
        AppMessageBox::ReportError(this, *error);
        m_resultText->setText(QString::asprintf(LoadAppString(StringId::ErrorFormat), error->Message().c_str()));
        return;
    }
    if (const std::optional<StringId> message = IntegralOutcomeMessage(result.outcome)) {
        m_resultText->setText(AppText(*message));
        return;
    }
    integralResult = result.integral;
    areaResult = result.area;
    resultValid = true;
    ShowResult();
    EnableRounding(true);
}

void CIntegralCalcResultsPage::OnProgress(int percent)
{
    m_percentText->setText(QString::asprintf(LoadAppString(StringId::PercentNumber), percent));
    m_progress->setValue(m_progress->value() + percent - m_lastPercent);
    m_lastPercent = percent;
}

void CIntegralCalcResultsPage::ShowResult()
{
    if (!resultValid)
        return;
    const double value = m_integralRadio->isChecked() ? integralResult : areaResult;
    m_resultText->setText(QString::asprintf(LoadAppString(StringId::ResultFormat), RoundToDecimals(value, m_places->value())));
}

void CIntegralCalcResultsPage::ShowLimits()
{
    m_upperLimit->setText(m_toEdit->text());
    m_lowerLimit->setText(m_fromEdit->text());
    m_upperPi->setVisible(m_piBox->isChecked());
    m_lowerPi->setVisible(m_piBox->isChecked());
}

void CIntegralCalcResultsPage::EnableRounding(bool enable)
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_roundLabel), static_cast<QWidget*>(m_places), static_cast<QWidget*>(m_placesLabel)})
        control->setEnabled(enable);
}
