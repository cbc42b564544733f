#include "view/GraphComputation.h"

#include "base/AvailableMemory.h"
#include "model/CCurvixDoc.h"
#include "view/ComputationSink.h"
#include "model/RangeValidation.h"

#include <algorithm>
#include <utility>
#include <vector>

GraphComputation::GraphComputation(const CoordSystem& initial, unsigned threadCount)
    : m_inUse(initial), m_threads(std::max(1u, threadCount))
{
}

GraphComputation::~GraphComputation()
{
    Stop();
}

void GraphComputation::SetThreads(unsigned count)
{
    m_threads = std::max(1u, count);
}

bool GraphComputation::Collect(const CCurvixDoc& doc)
{
    return m_graphSlots.Collect(doc.Graphs());
}

bool GraphComputation::NeedsRecompute(const CCurvixDoc& doc) const
{
    if (!IsComputing() && !IsComputed())
        return true;
    return doc.coordSystem.Differs(m_inUse) || m_graphSlots.DifferFrom(doc.Graphs());
}

bool GraphComputation::Prepare(const CCurvixDoc& doc)
{
    if (IsComputing())
        return Refuse(ComputationFailure({StringId::CannotStartComputation}));
    // Only a file can bring a coordinate system the pages would refuse.
    if (RangeValidation::CheckCoordSystemSize(doc.coordSystem))
        return Refuse(ComputationFailure({StringId::CoordSystemTooLarge}));
    m_computed.store(false);
    m_inUse = doc.coordSystem;
    if (const auto refusal = m_graphSlots.Prepare(m_inUse, AvailableMemory::Bytes())) {
        const int i = refusal->graph;
        return Refuse(ComputationFailure(i, DisplayedGraph(i), {refusal->message}));
    }
    return true;
}

bool GraphComputation::Start(const CCurvixDoc& doc, ComputationSink& to)
{
    const bool started = Launch(doc, to);
    StateChanged();
    return started;
}

bool GraphComputation::Launch(const CCurvixDoc& doc, ComputationSink& to)
{
    // Preparing refuses while a worker runs, so that worker keeps its sink
    // and its stop request.
    if (!Prepare(doc))
        return false;
    m_sink = &to;
    m_stop.Reset();
    if (DisplayedCount() == 0) {
        Finish(true);
        return true;
    }
    if (!m_worker.Start([this] { Run(); }))
        return Refuse(ComputationFailure({StringId::CannotStartComputation}));
    return true;
}

bool GraphComputation::Wait(std::chrono::milliseconds timeout, const std::function<void()>& dispatch)
{
    return m_worker.Wait(timeout, dispatch);
}

void GraphComputation::Stop()
{
    if (IsComputing())
        m_stop.Set();
    m_worker.Delete();
}

void GraphComputation::FreePoints()
{
    Stop();
    m_graphSlots.FreeAll();
}

void GraphComputation::Reset(const CoordSystem& coordSystem)
{
    Stop();
    m_stop.Reset();
    m_sink = nullptr;
    m_computed.store(false);
    m_graphSlots.Clear();
    m_inUse = coordSystem;
    StateChanged();
}

int GraphComputation::ListPositionOfDisplayed(const CCurvixDoc& doc, int i) const
{
    if (i < 0 || i >= DisplayedCount())
        return -1;
    int position = 0;
    int visible = 0;
    for (const GraphItem& graph : doc.Graphs()) {
        if (!graph.hidden && visible++ == i)
            return graph.ExpressionsDiffer(DisplayedGraph(i)) ? -1 : position;
        ++position;
    }
    return -1;
}

void GraphComputation::Run()
{
    std::vector<GraphPoints*> run;
    for (int i = 0; i < DisplayedCount(); ++i)
        run.push_back(&Points(i));
    SamplingRun sampling(std::move(run), m_stop, *m_sink, m_threads);
    const SamplingRun::Outcome outcome = sampling.Run();
    const int slot = sampling.FailedSlot();
    switch (outcome) {
    case SamplingRun::Outcome::Computed:
        return Finish(true);
    case SamplingRun::Outcome::Stopped:
        return Finish(false);
    case SamplingRun::Outcome::NoMemory:
        return Finish(false, ComputationFailure(slot, DisplayedGraph(slot), {StringId::OutOfMemory, StringId::CannotStartComputation}));
    case SamplingRun::Outcome::Failed:
        return Finish(false, ComputationFailure(slot, DisplayedGraph(slot), *sampling.Error()));
    }
}

void GraphComputation::Finish(bool ok, std::optional<ComputationFailure> failure)
{
    m_computed.store(ok);
    m_sink->GraphDone(ok, std::move(failure));
}

void GraphComputation::StateChanged() const
{
    if (m_stateListener)
        m_stateListener();
}

bool GraphComputation::Refuse(ComputationFailure failure)
{
    m_startFailure = std::move(failure);
    return false;
}
