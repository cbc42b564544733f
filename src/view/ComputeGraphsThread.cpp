#include "ComputeGraphsThread.h"

#include "CCurvixDoc.h"
#include "ComputationSink.h"
#include "GraphComputation.h"

#include <optional>
#include <vector>

namespace {

// The standard out-of-memory text and "Cannot initialize graph creation process."

void Finish(CCurvixDoc& doc, bool ok, std::optional<ComputationFailure> failure = std::nullopt)
{
    doc.SetComputed(ok);
    doc.GetComputationSink().GraphDone(ok, std::move(failure));
}

}  // namespace

void ComputeGraphsThread(CCurvixDoc& doc)
{
    ComputeGraphs(doc, GraphComputation::HardwareThreads());
}

void ComputeGraphs(CCurvixDoc& doc, unsigned threads)
{
    std::vector<GraphPoints*> slots;
    for (int i = 0; i < doc.GetDisplayedCount(); ++i)
        slots.push_back(&doc.GetGraphPoints(i));
    GraphComputation computation(std::move(slots), doc.GetStopEvent(), doc.GetComputationSink(), threads);
    const GraphComputation::Outcome outcome = computation.Run();
    const int slot = computation.FailedSlot();
    switch (outcome) {
    case GraphComputation::Outcome::Computed:
        return Finish(doc, true);
    case GraphComputation::Outcome::Stopped:
        return Finish(doc, false);
    case GraphComputation::Outcome::NoMemory:
        return Finish(doc, false, ComputationFailure(slot, doc.GetDisplayedGraph(slot), {StringId::OutOfMemory, StringId::CannotStartComputation}));
    case GraphComputation::Outcome::Failed:
        return Finish(doc, false, ComputationFailure(slot, doc.GetDisplayedGraph(slot), *computation.Error()));
    }
}
