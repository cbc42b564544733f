#include "CIntegralCalcResultsPage.h"

#include "AppBitmap.h"
#include "AppMessageBox.h"
#include "AppText.h"
#include "CAdvPropertySheet.h"
#include "CCurvixDoc.h"
#include "CImageButton.h"
#include "CIntegralSelGraphPage.h"
#include "CPrecisionList.h"
#include "CVariableTable.h"
#include "FieldFocus.h"
#include "IntegralBounds.h"
#include "IntegralChecks.h"
#include "IntegralEvent.h"
#include "MessageBoxStyle.h"
#include "PrecisionList.h"
#include "RoundToDecimals.h"
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

constexpr unsigned kTemplate = 198;
constexpr unsigned kCaption = 21200;  // "Calculate/Get Results"
constexpr unsigned kCalculate = 21201;
constexpr unsigned kStop = 21202;
constexpr unsigned kTimesPi = 21203;
constexpr unsigned kIntegral = 21204;
constexpr unsigned kArea = 21205;
constexpr unsigned kRoundTo = 21206;
constexpr unsigned kPlaces = 21207;
constexpr unsigned kCalculating = 21208;
constexpr unsigned kComplete = 21209;
constexpr unsigned kFor = 21210;
constexpr unsigned kTip = 21211;
constexpr unsigned kPercentFormat = 21212;  // "%d"
constexpr unsigned kResultFormat = 21213;   // "Result >> %.10g"
constexpr unsigned kFormulaFormat = 21214;  // "(%s) d%s"
constexpr unsigned kErrorFormat = 21215;    // "Error >> %s"
constexpr unsigned kPrecision = 21216;
constexpr unsigned kFrom = 17003;
constexpr unsigned kTo = 17004;
constexpr unsigned kNothingChosen = 21403;
constexpr unsigned kCannotStart = 21405;
constexpr unsigned kLeaveWhileRunning = 21408;
constexpr unsigned kManyStepsQuestion = 21414;
constexpr unsigned kComputationRunning = 3181;

constexpr unsigned kCalculateBitmap = 2077;
constexpr unsigned kStopBitmap = 1002;
constexpr unsigned kIntegralSignBitmap = 21001;
constexpr unsigned kPiBitmap = 21002;

// The most decimal places a result of each precision is worth.
constexpr int kMostPlaces[kPrecisionCount] = {2, 3, 4, 4, 5, 6};
constexpr int kFirstMostPlaces = 10;
constexpr int kFirstPlaces = 8;

QLabel* PictureLabel(unsigned bitmapId, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(LoadAppBitmap(bitmapId));
    return label;
}

}  // namespace

CIntegralCalcResultsPage::CIntegralCalcResultsPage(CIntegralSelGraphPage& selectionPage, CAdvPropertySheet& ownerSheet)
    : CPropertyPage(kTemplate, kCaption),
      selection(selectionPage),
      sheet(ownerSheet),
      formula(new QLabel(this)),
      letterLabel(new QLabel(this)),
      upperLimit(new QLabel(this)),
      lowerLimit(new QLabel(this)),
      upperPi(PictureLabel(kPiBitmap, this)),
      lowerPi(PictureLabel(kPiBitmap, this)),
      fromEdit(new QLineEdit(this)),
      toEdit(new QLineEdit(this)),
      piBox(new QCheckBox(AppText(kTimesPi), this)),
      precisionList(new CPrecisionList(this)),
      integralRadio(new QRadioButton(AppText(kIntegral), this)),
      areaRadio(new QRadioButton(AppText(kArea), this)),
      calculateButton(new CImageButton(AppText(kCalculate), this)),
      calculatingLabel(new QLabel(AppText(kCalculating), this)),
      percentText(new QLabel(this)),
      completeLabel(new QLabel(AppText(kComplete), this)),
      progress(new QProgressBar(this)),
      resultText(new QLabel(this)),
      roundLabel(new QLabel(AppText(kRoundTo), this)),
      places(new QSpinBox(this)),
      placesLabel(new QLabel(AppText(kPlaces), this))
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
    calculateButton->SetBitmap(kCalculateBitmap);
    resultText->setWordWrap(true);
    integralRadio->setChecked(true);

    // The integral sign with its limits, the function and its letter beside it.
    auto* sign = new QGridLayout;
    sign->addWidget(PictureLabel(kIntegralSignBitmap, this), 0, 0, 2, 1);
    sign->addWidget(upperLimit, 0, 1, Qt::AlignTop);
    sign->addWidget(upperPi, 0, 2, Qt::AlignTop);
    sign->addWidget(lowerLimit, 1, 1, Qt::AlignBottom);
    sign->addWidget(lowerPi, 1, 2, Qt::AlignBottom);
    sign->addWidget(formula, 0, 3, 2, 1);
    sign->addWidget(new QLabel(AppText(kFor), this), 0, 4, 2, 1);
    sign->addWidget(letterLabel, 0, 5, 2, 1);
    sign->setColumnStretch(6, 1);

    auto* layout = new QGridLayout(this);
    layout->addLayout(sign, 0, 0, 1, 5);
    layout->addWidget(new QLabel(AppText(kFrom), this), 1, 0);
    layout->addWidget(fromEdit, 1, 1, 1, 2);
    layout->addWidget(new QLabel(AppText(kTo), this), 1, 3);
    layout->addWidget(toEdit, 1, 4);
    layout->addWidget(piBox, 2, 0, 1, 2);
    layout->addWidget(new QLabel(AppText(kPrecision), this), 2, 3);
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
    formula->setText(QString::asprintf(LoadAppString(kFormulaFormat), expression.c_str(), letter.c_str()));
    letterLabel->setText(QString::fromStdString(letter));
}

// The chosen function must be usable, and compile for its letter.
bool CIntegralCalcResultsPage::CheckChoice()
{
    const unsigned refusal =
        selection.resultValid ? IntegralChoiceMessage(selection.expression, selection.letter) : kNothingChosen;
    if (refusal) {
        ShowMessage(refusal, kErrorCaption);
        return false;
    }
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        ShowMessage(kComputationRunning, kErrorCaption);
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
    if (AppMessageBox::Show(this, kLeaveWhileRunning, kProgramNameCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
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
        AppMessageBox::Show(this, QString::fromStdString(refusal), kErrorCaption, MB_ICONEXCLAMATION);
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
        resultText->setText(AppText(kCannotStart));
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
        IntegralStepsMessage(kManyStepsQuestion, bounds.from, bounds.to, PrecisionFromIndex(precisionIndex));
    return question.empty()
        || AppMessageBox::Show(this, QString::fromStdString(question), kProgramNameCaption,
                               MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CIntegralCalcResultsPage::ClearResult()
{
    resultValid = false;
    resultText->setText(AppText(kTip));
    EnableRounding(false);
}

void CIntegralCalcResultsPage::ShowRunning(bool running)
{
    calculating = running;
    calculateButton->SetCaption(AppText(running ? kStop : kCalculate));
    calculateButton->SetBitmap(running ? kStopBitmap : kCalculateBitmap);
    resultText->setVisible(!running);
    for (QWidget* control : {static_cast<QWidget*>(calculatingLabel), static_cast<QWidget*>(percentText),
                             static_cast<QWidget*>(completeLabel), static_cast<QWidget*>(progress)})
        control->setVisible(running);
    if (running) {
        progress->setValue(0);
        percentText->setText(QString::asprintf(LoadAppString(kPercentFormat), 0));
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
        resultText->setText(QString::asprintf(LoadAppString(kErrorFormat), error->Message().c_str()));
        return;
    }
    if (const unsigned message = IntegralOutcomeMessage(result.outcome)) {
        resultText->setText(AppText(message));
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
    percentText->setText(QString::asprintf(LoadAppString(kPercentFormat), percent));
    progress->setValue(progress->value() + percent - lastPercent);
    lastPercent = percent;
}

void CIntegralCalcResultsPage::ShowResult()
{
    if (!resultValid)
        return;
    const double value = integralRadio->isChecked() ? integralResult : areaResult;
    resultText->setText(QString::asprintf(LoadAppString(kResultFormat), RoundToDecimals(value, places->value())));
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
