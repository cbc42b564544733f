#include "ComputeGraphsThread.h"

#include "CCurvixDoc.h"
#include "CExprException.h"
#include "CVariableTable.h"
#include "ComputationSink.h"
#include "GraphSampler.h"

#include <mutex>
#include <new>
#include <optional>

namespace {

// The standard out-of-memory text and "Cannot initialize graph creation process."
constexpr unsigned kOutOfMemory = 3190;
constexpr unsigned kCannotStart = 3002;

void Finish(CCurvixDoc& doc, bool ok, std::optional<ComputationFailure> failure = std::nullopt)
{
    doc.SetComputed(ok);
    doc.GetComputationSink().GraphDone(ok, std::move(failure));
}

// The slot's buffer, allocated here rather than on the user interface
// thread, which would stall while gigabytes of pages are touched.
bool HasBuffer(GraphPoints& points)
{
    return points.complete || points.HasPoints() || points.Allocate();
}

enum class Outcome { Computed, Stopped, NoMemory };

// Computes the graphs in order; slot follows the graph at work.
Outcome ComputeAll(CCurvixDoc& doc, int& slot)
{
    for (; slot < doc.GetDisplayedCount(); ++slot) {
        if (!HasBuffer(doc.GetGraphPoints(slot)))
            return Outcome::NoMemory;
        std::lock_guard lock(theVariables.Lock());
        if (!ComputeGraph(doc, slot))
            return Outcome::Stopped;
    }
    return Outcome::Computed;
}

}  // namespace

void ComputeGraphsThread(CCurvixDoc& doc)
{
    int slot = 0;
    try {
        switch (ComputeAll(doc, slot)) {
        case Outcome::Computed:
            return Finish(doc, true);
        case Outcome::Stopped:
            return Finish(doc, false);
        case Outcome::NoMemory:
            return Finish(doc, false, ComputationFailure(slot, doc.GetDisplayedGraph(slot), {kOutOfMemory, kCannotStart}));
        }
    } catch (const CExprException& error) {
        Finish(doc, false, ComputationFailure(slot, doc.GetDisplayedGraph(slot), error));
    } catch (const std::bad_alloc&) {
        // Compiling can run out of memory too; the engine has a message for it.
        Finish(doc, false, ComputationFailure(slot, doc.GetDisplayedGraph(slot), CExprException(1003, nullptr)));
    }
}

bool ComputeGraph(CCurvixDoc& doc, int slot)
{
    GraphPoints& points = doc.GetGraphPoints(slot);
    if (points.complete)
        return true;
    GraphSampler sampler(points, slot, doc.GetDisplayedCount(), doc.GetStopEvent(), doc.GetComputationSink());
    return sampler.Sample();
}
