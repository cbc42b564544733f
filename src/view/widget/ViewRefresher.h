#pragma once

#include <functional>
#include <memory>

class CCurvixDoc;
class CGraphProgressDlg;
class ComputationFailure;
class GraphComputation;
class GraphDoneEvent;
class QAbstractScrollArea;
class QtComputationSink;

// Runs the graph computation for the view: collects the document's visible
// graphs, starts the worker, shows its progress dialog over the drawing area
// and takes the worker's end report, which it posts to the view. Failures
// are shown in message boxes, with their graph selected in the list first.
class ViewRefresher {
public:
    ViewRefresher(CCurvixDoc& doc, GraphComputation& computation, QAbstractScrollArea& view);
    ~ViewRefresher();

    // How a graph a failure is about is selected in the graph list: called
    // with the graph's list position.
    void SetGraphSelector(std::function<void(int)> select) { m_selectGraph = std::move(select); }
    // Starts computing the document; restart cancels the running worker
    // first and keeps its dialog. False when nothing was started (a failure
    // was shown, or the cancelled worker did not end).
    bool Start(bool restart);
    // The end report: shows its failure, joins the worker, takes the dialog
    // down and updates the document's views.
    void Finish(const GraphDoneEvent& done);
    // The progress dialog while a computation is shown; null otherwise.
    CGraphProgressDlg* ProgressDialog() const { return m_progressDlg.get(); }

private:
    bool Cancel();
    void ShowProgressDialog(bool restart);
    void DestroyProgressDialog();
    void ReportFailure(const ComputationFailure& failure);
    void SelectGraph(const ComputationFailure& failure);

    CCurvixDoc& m_doc;
    GraphComputation& m_computation;
    QAbstractScrollArea& m_view;
    std::function<void(int)> m_selectGraph;
    // Completion flags: a restart clears both so that the end report of the
    // cancelled worker neither waits nor destroys the new dialog.
    bool m_doneFirst = true;
    bool m_doneSecond = true;
    std::unique_ptr<CGraphProgressDlg> m_progressDlg;
    std::unique_ptr<QtComputationSink> m_sink;
};
