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

    bool IsCalculating() const { return m_calculating; }

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

    CIntegralSelGraphPage& m_selection;
    CAdvPropertySheet& m_sheet;
    QtIntegralSink m_sink{this};
    // Declared after the sink it reports to: destroyed first, it stops and
    // waits for a run that is still going.
    IntegralRun m_run;
    std::string m_letter;
    std::string m_expression;
    bool m_calculating = false;
    int m_lastPercent = 0;

    QLabel* m_formula;
    QLabel* m_letterLabel;
    QLabel* m_upperLimit;
    QLabel* m_lowerLimit;
    QLabel* m_upperPi;
    QLabel* m_lowerPi;
    QLineEdit* m_fromEdit;
    QLineEdit* m_toEdit;
    QCheckBox* m_piBox;
    PrecisionBox* m_precisionList;
    QRadioButton* m_integralRadio;
    QRadioButton* m_areaRadio;
    CImageButton* m_calculateButton;
    QLabel* m_calculatingLabel;
    QLabel* m_percentText;
    QLabel* m_completeLabel;
    QProgressBar* m_progress;
    QLabel* m_resultText;
    QLabel* m_roundLabel;
    QSpinBox* m_places;
    QLabel* m_placesLabel;
};
