#include "CliComputation.h"

#include "CCurvixDoc.h"
#include "CliOutput.h"
#include "ComputationSink.h"
#include "ComputeGraphsThread.h"
#include "StringTable.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr unsigned kTooManyGraphs = 3001;

// Keeps how the computation ended; the progress is of no use here.
class Outcome : public ComputationSink {
public:
    void GraphProgress(int, int, int) override {}
    void GraphDone(bool done, std::optional<CExprException> failure) override
    {
        ok = done;
        error = std::move(failure);
    }

    bool ok = false;
    std::optional<CExprException> error;
};

int Refuse(const std::vector<unsigned>& messages)
{
    for (unsigned id : messages)
        std::fprintf(stderr, "%s\n", CliOutput::OneLine(LoadAppString(id)).c_str());
    return 3;
}

}  // namespace

std::optional<int> CliComputation::Run(CCurvixDoc& doc, Cancelled cancelled)
{
    doc.SetGraphWorker(ComputeGraphsThread);
    if (!doc.CollectDisplayedGraphs())
        return Refuse({kTooManyGraphs});
    Outcome outcome;
    if (!doc.StartComputation(outcome))
        return Refuse(doc.StartFailureMessages());
    doc.WaitForComputation(WorkerThread::kInfinite, {});
    if (outcome.error)
        return CliOutput::ReportExpressionError(outcome.error->Code(), *outcome.error);
    if (!outcome.ok && cancelled == Cancelled::Fails)
        return 3;
    return std::nullopt;
}
