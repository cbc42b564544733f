#pragma once

#include "kit/CPropertyPage.h"
#include "tools/IntegralRun.h"
#include "tools/dialogs/QtIntegralSink.h"

#include <string>

class CAdvPropertySheet;
class CCurvixDoc;
class CImageButton;
class CIntegralSelGraphPage;
class PrecisionBox;
class IntegralEvent;
struct IntegralBounds;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QSpinBox;

// "Calculate/Get Results": the bounds, precision and mode of the integral,
// Calculate/Stop with its progress, and the result rounded to a chosen
// number of places. Entering the page checks the chosen function; the page's
// run computes on its own thread, whose reports (the results in the last)
// arrive as events.
class CIntegralCalcResultsPage : public CPropertyPage {
public:
    CIntegralCalcResultsPage(CIntegralSelGraphPage& selection, CAdvPropertySheet& sheet);

    void OnInitDialog() override;
    void OnSetActive() override;
    bool OnKillActive() override;

    bool IsCalculating() const { return calculating; }

    // The last finished run's results, taken from its done event.
    bool resultValid = false;
    double integralResult = 0;
    double areaResult = 0;

protected:
    bool event(QEvent* event) override;

private:
    bool CheckChoice();
    void OnCalculate();
    bool ConfirmSteps(const IntegralBounds& bounds, int precisionIndex);
    void ClearResult();
    void ShowRunning(bool running);
    void OnDone(const IntegralEvent& done);
    void OnProgress(int percent);
    void ShowResult();
    void ShowLimits();
    void EnableRounding(bool enable);

    CIntegralSelGraphPage& selection;
    CAdvPropertySheet& sheet;
    QtIntegralSink sink{this};
    // Declared after the sink it reports to: destroyed first, it stops and
    // waits for a run that is still going.
    IntegralRun run;
    std::string letter;
    std::string expression;
    bool calculating = false;
    int lastPercent = 0;

    QLabel* formula;
    QLabel* letterLabel;
    QLabel* upperLimit;
    QLabel* lowerLimit;
    QLabel* upperPi;
    QLabel* lowerPi;
    QLineEdit* fromEdit;
    QLineEdit* toEdit;
    QCheckBox* piBox;
    PrecisionBox* precisionList;
    QRadioButton* integralRadio;
    QRadioButton* areaRadio;
    CImageButton* calculateButton;
    QLabel* calculatingLabel;
    QLabel* percentText;
    QLabel* completeLabel;
    QProgressBar* progress;
    QLabel* resultText;
    QLabel* roundLabel;
    QSpinBox* places;
    QLabel* placesLabel;
};
