#include "view/widget/ViewRefresher.h"

#include "kit/AppMessageBox.h"
#include "kit/MessageBoxStyle.h"
#include "model/CCurvixDoc.h"
#include "model/DocView.h"
#include "view/GraphComputation.h"
#include "view/qt/GraphDoneEvent.h"
#include "view/qt/QtComputationSink.h"
#include "view/widget/CGraphProgressDlg.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>

namespace {

void DispatchEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

ViewRefresher::ViewRefresher(CCurvixDoc& doc, GraphComputation& computation, QAbstractScrollArea& view)
    : m_doc(doc), m_computation(computation), m_view(view)
{
}

ViewRefresher::~ViewRefresher() = default;

bool ViewRefresher::Start(bool restart)
{
    if (restart && !Cancel())
        return false;
    if (!m_computation.Collect(m_doc)) {
        AppMessageBox::Show(&m_view, StringId::TooManyGraphs, StringId::ProgramName, MB_ICONEXCLAMATION);
        DestroyProgressDialog();
        return false;
    }
    ShowProgressDialog(restart);
    m_sink = std::make_unique<QtComputationSink>(&m_view, m_progressDlg.get());
    if (!m_computation.Start(m_doc, *m_sink)) {
        ReportFailure(m_computation.StartFailure());
        DestroyProgressDialog();
        return false;
    }
    m_progressDlg->update();
    m_progressDlg->SetStopEvent(&m_computation.StopEvent());
    return true;
}

// Cancels the running worker and waits for it. The end report it posts
// then sets the completion flags again instead of waiting or taking down
// the dialog the new computation uses.
bool ViewRefresher::Cancel()
{
    m_doneFirst = false;
    m_doneSecond = false;
    if (m_progressDlg)
        m_progressDlg->OnCancel();
    else
        m_computation.StopEvent().Set();
    return m_computation.Wait(WorkerThread::kInfinite, DispatchEvents);
}

void ViewRefresher::ShowProgressDialog(bool restart)
{
    if (restart && m_progressDlg) {
        m_progressDlg->ResetProgress();
        return;
    }
    DestroyProgressDialog();
    m_progressDlg = std::make_unique<CGraphProgressDlg>(m_view.viewport());
    m_progressDlg->ShowCentred();
}

void ViewRefresher::DestroyProgressDialog()
{
    if (!m_progressDlg)
        return;
    // Deleted from the event loop: its own handlers may be running.
    m_progressDlg->hide();
    m_progressDlg.release()->deleteLater();
}

void ViewRefresher::Finish(const GraphDoneEvent& done)
{
    const std::optional<ComputationFailure>& failure = done.Failure();
    if (failure)
        ReportFailure(*failure);
    // The worker posted its last report and is ending. This handler may run
    // inside another wait for it; the thread is joined once.
    if (m_doneFirst)
        m_computation.Wait(WorkerThread::kInfinite, {});
    m_doneFirst = true;
    if (m_doneSecond)
        DestroyProgressDialog();
    m_doneSecond = true;
    m_doc.UpdateAllViews(nullptr, DocView::HintComputed);
    // Again: the list pane has refilled its list.
    if (failure)
        SelectGraph(*failure);
}

// The graph is selected first, so that the user sees it while reading.
void ViewRefresher::ReportFailure(const ComputationFailure& failure)
{
    SelectGraph(failure);
    for (const std::string& text : failure.Texts())
        AppMessageBox::Show(&m_view, QString::fromStdString(text), StringId::ProgramName, MB_ICONEXCLAMATION);
}

void ViewRefresher::SelectGraph(const ComputationFailure& failure)
{
    const int position = m_computation.ListPositionOfDisplayed(m_doc, failure.Graph());
    if (position >= 0 && m_selectGraph)
        m_selectGraph(position);
}
