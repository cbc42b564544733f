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

void Finish(CCurvixDoc& doc, bool ok, std::optional<CExprException> error = std::nullopt)
{
    doc.SetComputed(ok);
    doc.GetComputationSink().GraphDone(ok, std::move(error));
}

bool ComputeAll(CCurvixDoc& doc)
{
    for (int i = 0; i < doc.GetDisplayedCount(); ++i) {
        std::lock_guard lock(theVariables.Lock());
        if (!ComputeGraph(doc, i))
            return false;
    }
    return true;
}

}  // namespace

void ComputeGraphsThread(CCurvixDoc& doc)
{
    try {
        Finish(doc, ComputeAll(doc));
    } catch (const CExprException& error) {
        Finish(doc, false, error);
    } catch (const std::bad_alloc&) {
        // Compiling can run out of memory too; the engine has a message for it.
        Finish(doc, false, CExprException(1003, nullptr));
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
