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
      selection(selectionPage),
      sheet(ownerSheet),
      formula(new QLabel(this)),
      letterLabel(new QLabel(this)),
      upperLimit(new QLabel(this)),
      lowerLimit(new QLabel(this)),
      upperPi(PictureLabel(BitmapId::Pi, this)),
      lowerPi(PictureLabel(BitmapId::Pi, this)),
      fromEdit(new QLineEdit(this)),
      toEdit(new QLineEdit(this)),
      piBox(new QCheckBox(AppText(StringId::TimesPiKey), this)),
      precisionList(new PrecisionBox(this)),
      integralRadio(new QRadioButton(AppText(StringId::IntegralChoice), this)),
      areaRadio(new QRadioButton(AppText(StringId::AreaChoice), this)),
      calculateButton(new CImageButton(AppText(StringId::Calculate), this)),
      calculatingLabel(new QLabel(AppText(StringId::Calculating), this)),
      percentText(new QLabel(this)),
      completeLabel(new QLabel(AppText(StringId::PercentComplete), this)),
      progress(new QProgressBar(this)),
      resultText(new QLabel(this)),
      roundLabel(new QLabel(AppText(StringId::RoundTo), this)),
      places(new QSpinBox(this)),
      placesLabel(new QLabel(AppText(StringId::DecimalPlaces), this))
{
    const std::pair<QWidget*, int> controls[] = {
        {toEdit, 1074},          {fromEdit, 1075},        {calculateButton, 1077}, {formula, 1083},
        {upperPi, 1084},         {resultText, 1085},      {lowerPi, 1086},         {lowerLimit, 1087},
        {upperLimit, 1088},      {places, 1091},          {roundLabel, 1092},      {placesLabel, 1093},
        {progress, 1113},        {integralRadio, 1137},   {areaRadio, 1138},       {percentText, 1193},
        {completeLabel, 1194},   {calculatingLabel, 1195}, {letterLabel, 1208},    {piBox, 1215},
        {precisionList, 1216},
    };
    for (const auto& [control, id] : controls)
        RegisterControl(control, id);
    calculateButton->SetBitmap(BitmapId::CalculateButton);
    resultText->setWordWrap(true);
    integralRadio->setChecked(true);

    // The integral sign with its limits, the function and its letter beside it.
    auto* sign = new QGridLayout;
    sign->addWidget(PictureLabel(BitmapId::IntegralSign, this), 0, 0, 2, 1);
    sign->addWidget(upperLimit, 0, 1, Qt::AlignTop);
    sign->addWidget(upperPi, 0, 2, Qt::AlignTop);
    sign->addWidget(lowerLimit, 1, 1, Qt::AlignBottom);
    sign->addWidget(lowerPi, 1, 2, Qt::AlignBottom);
    sign->addWidget(formula, 0, 3, 2, 1);
    sign->addWidget(new QLabel(AppText(StringId::For), this), 0, 4, 2, 1);
    sign->addWidget(letterLabel, 0, 5, 2, 1);
    sign->setColumnStretch(6, 1);

    auto* layout = new QGridLayout(this);
    layout->addLayout(sign, 0, 0, 1, 5);
    layout->addWidget(new QLabel(AppText(StringId::From), this), 1, 0);
    layout->addWidget(fromEdit, 1, 1, 1, 2);
    layout->addWidget(new QLabel(AppText(StringId::To), this), 1, 3);
    layout->addWidget(toEdit, 1, 4);
    layout->addWidget(piBox, 2, 0, 1, 2);
    layout->addWidget(new QLabel(AppText(StringId::IntegralPrecision), this), 2, 3);
    layout->addWidget(precisionList, 2, 4);
    layout->addWidget(integralRadio, 3, 0, 1, 2);
    layout->addWidget(areaRadio, 3, 3, 1, 2);
    layout->addWidget(calculateButton, 4, 0, 1, 2);
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(calculatingLabel);
    percentRow->addWidget(percentText);
    percentRow->addWidget(completeLabel);
    percentRow->addStretch();
    layout->addLayout(percentRow, 5, 0, 1, 5);
    layout->addWidget(progress, 6, 0, 1, 5);
    layout->addWidget(resultText, 7, 0, 1, 5);
    layout->addWidget(roundLabel, 8, 0, 1, 2);
    layout->addWidget(places, 8, 2);
    layout->addWidget(placesLabel, 8, 3, 1, 2);
    layout->setRowStretch(9, 1);

    connect(fromEdit, &QLineEdit::textChanged, this, &CIntegralCalcResultsPage::ShowLimits);
    connect(toEdit, &QLineEdit::textChanged, this, &CIntegralCalcResultsPage::ShowLimits);
    connect(piBox, &QCheckBox::toggled, this, &CIntegralCalcResultsPage::ShowLimits);
    connect(calculateButton, &QPushButton::clicked, this, &CIntegralCalcResultsPage::OnCalculate);
    // The stored results are shown again, rounded anew, without a new run.
    connect(integralRadio, &QRadioButton::toggled, this, &CIntegralCalcResultsPage::ShowResult);
    connect(places, &QSpinBox::valueChanged, this, &CIntegralCalcResultsPage::ShowResult);
}

void CIntegralCalcResultsPage::OnInitDialog()
{
    fromEdit->setText("0");
    toEdit->setText("1");
    precisionList->SetPrecision(selection.PrecisionInUse());
    ClearResult();
    progress->setRange(0, 100);
    places->setRange(0, kFirstMostPlaces);
    places->setValue(kFirstPlaces);
    ShowRunning(false);
    ShowLimits();
}

void CIntegralCalcResultsPage::OnSetActive()
{
    if (!CheckChoice()) {
        sheet.SetActivePage(0);
        return;
    }
    // A result belongs to its integrand.
    if (selection.expression != expression || selection.letter != letter)
        ClearResult();
    letter = selection.letter;
    expression = selection.expression;
    formula->setText(QString::asprintf(LoadAppString(StringId::FormulaFormat), expression.c_str(), letter.c_str()));
    letterLabel->setText(QString::fromStdString(letter));
}

// The chosen function must be usable, and compile for its letter.
bool CIntegralCalcResultsPage::CheckChoice()
{
    const std::optional<StringId> refusal =
        selection.resultValid ? IntegralChoiceMessage(selection.expression, selection.letter) : StringId::NothingChosen;
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
        CheckIntegralSyntax(selection.expression, selection.letter[0]);
    } catch (const CException& error) {
        lock.unlock();
        AppMessageBox::ReportError(this, error);
        return false;
    }
    return true;
}

bool CIntegralCalcResultsPage::OnKillActive()
{
    if (!calculating)
        return true;
    if (AppMessageBox::Show(this, StringId::LeaveWhileRunning, StringId::ProgramName, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return false;
    run.Stop();
    return true;
}

void CIntegralCalcResultsPage::OnCalculate()
{
    if (calculating) {
        run.Stop();
        return;
    }
    IntegralBounds bounds;
    const std::string refusal =
        ReadIntegralBounds(fromEdit->text().toStdString(), toEdit->text().toStdString(), piBox->isChecked(), bounds);
    if (!refusal.empty()) {
        AppMessageBox::Show(this, QString::fromStdString(refusal), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        FocusField(bounds.refused == IntegralBounds::From ? fromEdit : toEdit);
        return;
    }
    // A document precision that is not one of the six leaves the list
    // empty; the run then takes the first.
    const int index = std::max(precisionList->currentIndex(), 0);
    if (!ConfirmSteps(bounds, index))
        return;
    resultValid = false;
    precisionList->setCurrentIndex(index);
    const IntegralRequest request{expression, letter[0], PrecisionFromIndex(index), bounds.from, bounds.to};
    if (!run.Start(request, sink)) {
        resultText->setText(AppText(StringId::IntegralCannotStart));
        return;
    }
    ShowRunning(true);
    places->setRange(0, kMostPlaces[index]);
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
    resultText->setText(AppText(StringId::IntegralTip));
    EnableRounding(false);
}

void CIntegralCalcResultsPage::ShowRunning(bool running)
{
    calculating = running;
    calculateButton->SetCaption(AppText(running ? StringId::Stop : StringId::Calculate));
    calculateButton->SetBitmap(running ? BitmapId::CancelButton : BitmapId::CalculateButton);
    resultText->setVisible(!running);
    for (QWidget* control : {static_cast<QWidget*>(calculatingLabel), static_cast<QWidget*>(percentText),
                             static_cast<QWidget*>(completeLabel), static_cast<QWidget*>(progress)})
        control->setVisible(running);
    if (running) {
        progress->setValue(0);
        percentText->setText(QString::asprintf(LoadAppString(StringId::PercentNumber), 0));
        lastPercent = 0;
        EnableRounding(false);
    }
    sheet.EnableButtons(!running);
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
        resultText->setText(QString::asprintf(LoadAppString(StringId::ErrorFormat), error->Message().c_str()));
        return;
    }
    if (const std::optional<StringId> message = IntegralOutcomeMessage(result.outcome)) {
        resultText->setText(AppText(*message));
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
    percentText->setText(QString::asprintf(LoadAppString(StringId::PercentNumber), percent));
    progress->setValue(progress->value() + percent - lastPercent);
    lastPercent = percent;
}

void CIntegralCalcResultsPage::ShowResult()
{
    if (!resultValid)
        return;
    const double value = integralRadio->isChecked() ? integralResult : areaResult;
    resultText->setText(QString::asprintf(LoadAppString(StringId::ResultFormat), RoundToDecimals(value, places->value())));
}

void CIntegralCalcResultsPage::ShowLimits()
{
    upperLimit->setText(toEdit->text());
    lowerLimit->setText(fromEdit->text());
    upperPi->setVisible(piBox->isChecked());
    lowerPi->setVisible(piBox->isChecked());
}

void CIntegralCalcResultsPage::EnableRounding(bool enable)
{
    for (QWidget* control :
         {static_cast<QWidget*>(roundLabel), static_cast<QWidget*>(places), static_cast<QWidget*>(placesLabel)})
        control->setEnabled(enable);
}
