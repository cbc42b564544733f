#pragma once

#include "tools/FoundPoint.h"
#include "model/GraphKind.h"
#include "base/ManualResetEvent.h"
#include "tools/PointRequest.h"
#include "tools/dialogs/QtPointSearchSink.h"
#include "tools/dialogs/ToolCommands.h"
#include "base/WorkerThread.h"

#include <QDialog>

#include <vector>

class CCurvixDoc;
class GraphComputation;
class PointSearchEvent;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// "Find points of interest": the roots, the local minima and maxima, or the
// intersections with a second graph of one displayed y = f(x) or x = f(y)
// graph over a range (the visible one at first). The search runs on a
// worker thread of the dialog with progress and Stop; the points found are
// listed, marked on the view, and can be copied or saved as CSV. Selecting
// a row brings its point into view.
class CFindPointsDlg : public QDialog {
public:
    CFindPointsDlg(CCurvixDoc& doc, const GraphComputation& computation, const AnalysisViewHooks& hooks, QWidget* parent = nullptr);
    // Stops a search that still runs and waits for it.
    ~CFindPointsDlg() override;

    bool IsSearching() const { return searching; }
    // The points of the last finished search, in world coordinates.
    const std::vector<FoundPoint>& Points() const { return points; }

    void OnSearch();
    void OnCopy();
    void OnSave();

protected:
    bool event(QEvent* event) override;
    void reject() override;

private:
    void FillSeconds();
    void ShowGoal();
    void SetRange();
    bool ReadRequest(PointRequest& request);
    void ShowRunning(bool running);
    void OnDone(const PointSearchEvent& done);
    void ShowPoints();
    void OnRowSelected();
    void StopAndWait();

    CCurvixDoc& doc;
    const GraphComputation& computation;
    AnalysisViewHooks hooks;
    QtPointSearchSink sink{this};
    ManualResetEvent stop;
    WorkerThread worker;
    bool searching = false;
    PointGoal goal = PointGoal::Roots;
    GraphKind kind = KindYofX;
    std::vector<FoundPoint> points;

    QComboBox* graphBox;
    QRadioButton* rootsRadio;
    QRadioButton* extremaRadio;
    QRadioButton* meetRadio;
    QComboBox* secondBox;
    QLineEdit* fromEdit;
    QLineEdit* toEdit;
    QCheckBox* piBox;
    QSpinBox* precisionBox;
    QPushButton* searchButton;
    QProgressBar* progress;
    QLabel* statusText;
    QTableWidget* table;
    QPushButton* copyButton;
    QPushButton* saveButton;
};
