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

    bool IsSearching() const { return m_searching; }
    // The points of the last finished search, in world coordinates.
    const std::vector<FoundPoint>& Points() const { return m_points; }

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

    CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    AnalysisViewHooks m_hooks;
    QtPointSearchSink m_sink{this};
    ManualResetEvent m_stop;
    WorkerThread m_worker;
    bool m_searching = false;
    PointGoal m_goal = PointGoal::Roots;
    GraphKind m_kind = KindYofX;
    std::vector<FoundPoint> m_points;

    QComboBox* m_graphBox;
    QRadioButton* m_rootsRadio;
    QRadioButton* m_extremaRadio;
    QRadioButton* m_meetRadio;
    QComboBox* m_secondBox;
    QLineEdit* m_fromEdit;
    QLineEdit* m_toEdit;
    QCheckBox* m_piBox;
    QSpinBox* m_precisionBox;
    QPushButton* m_searchButton;
    QProgressBar* m_progress;
    QLabel* m_statusText;
    QTableWidget* m_table;
    QPushButton* m_copyButton;
    QPushButton* m_saveButton;
};
