#pragma once

#include "view/ComputationFailure.h"
#include "model/CoordSystem.h"
#include "view/GraphSlots.h"
#include "base/ManualResetEvent.h"
#include "view/SamplingRun.h"
#include "base/WorkerThread.h"

#include <atomic>
#include <chrono>
#include <functional>

class CCurvixDoc;
class ComputationSink;

// The graphs of the last refresh and the computation that samples them: the
// displayed graphs and their point slots, the coordinate system the
// computation used, and the worker thread that runs a SamplingRun over the
// slots on every hardware thread and reports to a sink.
//
// The document hands over what a computation needs when it starts (its
// visible graphs and its coordinate system); the worker reads only the
// copies kept here and writes only the slots' points, counts and completion
// flags and the computed flag. Only the user interface thread calls the
// operations.
class GraphComputation {
public:
    // Nothing displayed yet; initial is the coordinate system a new document has.
    explicit GraphComputation(const CoordSystem& initial, unsigned threadCount = SamplingRun::HardwareThreads());
    GraphComputation(const GraphComputation&) = delete;
    GraphComputation& operator=(const GraphComputation&) = delete;
    // Stops the running worker and waits for it.
    ~GraphComputation();

    // The number of threads the next runs sample on (at least one).
    void SetThreads(unsigned count);

    // Refills the displayed graphs from the document's visible ones (false
    // at a 16th visible graph).
    bool Collect(const CCurvixDoc& doc);
    // Whether the picture no longer matches the document.
    bool NeedsRecompute(const CCurvixDoc& doc) const;
    // Fixes the coordinate system in use, the effective ranges and the
    // slots. False while a computation runs, when the coordinate system is
    // too large, or when a displayed graph has a formula longer than the
    // engine reads or more samples than the computation may take.
    bool Prepare(const CCurvixDoc& doc);
    // Prepares and starts the worker, which reports to sink (it must outlive
    // the worker). With no displayed graph it reports success at once and
    // starts no thread. On false, StartFailure tells what to show.
    bool Start(const CCurvixDoc& doc, ComputationSink& sink);
    const ComputationFailure& StartFailure() const { return m_startFailure; }
    bool IsComputing() const { return m_worker.IsRunning(); }
    // The event that stops a running worker.
    ManualResetEvent& StopEvent() { return m_stop; }
    // Waits for the worker; dispatch, when given, keeps the windows alive
    // meanwhile. False when the timeout passed first.
    bool Wait(std::chrono::milliseconds timeout, const std::function<void()>& dispatch);
    // Stops a running worker and waits for it.
    void Stop();
    // Releases the buffers of every slot (after stopping a running worker).
    void FreePoints();
    // After the document was emptied or replaced: no graph displayed, nothing
    // computed, its coordinate system in use.
    void Reset(const CoordSystem& inUse);

    bool IsComputed() const { return m_computed.load(); }
    const CoordSystem& InUse() const { return m_inUse; }
    int DisplayedCount() const { return m_graphSlots.DisplayedCount(); }
    const GraphItem& DisplayedGraph(int i) const { return m_graphSlots.DisplayedGraph(i); }
    GraphPoints& Points(int i) { return m_graphSlots.Slot(i); }
    const GraphPoints& Points(int i) const { return m_graphSlots.Slot(i); }
    // The document list's position of displayed graph i: the list's i-th
    // visible graph while it is still that function; -1 otherwise.
    int ListPositionOfDisplayed(const CCurvixDoc& doc, int i) const;

    // Told on the calling thread after Start and Reset, which change whether
    // graphs are being computed or are computed. The end of a run is
    // reported through the sink instead.
    void SetStateListener(std::function<void()> listener) { m_stateListener = std::move(listener); }

private:
    // The worker's body: samples every incomplete slot and reports the end.
    bool Launch(const CCurvixDoc& doc, ComputationSink& to);
    void Run();
    void Finish(bool ok, std::optional<ComputationFailure> failure = std::nullopt);
    bool Refuse(ComputationFailure failure);
    void StateChanged() const;

    GraphSlots m_graphSlots;
    CoordSystem m_inUse;
    std::atomic<bool> m_computed{false};
    unsigned m_threads;
    ManualResetEvent m_stop;
    ComputationSink* m_sink = nullptr;
    ComputationFailure m_startFailure;
    std::function<void()> m_stateListener;
    WorkerThread m_worker;  // last: joined before the members it uses go
};
