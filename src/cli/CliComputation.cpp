#include "cli/CliComputation.h"

#include "model/CCurvixDoc.h"
#include "cli/CliOutput.h"
#include "view/ComputationSink.h"
#include "view/GraphComputation.h"
#include "StringTable.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

// Keeps how the computation ended; the progress is of no use here.
class Outcome : public ComputationSink {
public:
    void GraphProgress(int, int, int) override {}
    void GraphDone(bool done, std::optional<ComputationFailure> why) override
    {
        ok = done;
        failure = std::move(why);
    }

    bool ok = false;
    std::optional<ComputationFailure> failure;
};

int Refuse(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        std::fprintf(stderr, "%s\n", CliOutput::OneLine(text).c_str());
    return 3;
}

// An engine error as every command prints it; the program's messages, the
// first naming the graph, as a refusal.
int Report(const ComputationFailure& failure)
{
    if (const auto& error = failure.Error())
        return CliOutput::ReportExpressionError(error->Code(), *error);
    return Refuse(failure.Texts());
}

}  // namespace

std::optional<int> CliComputation::Run(const CCurvixDoc& doc, GraphComputation& computation, Cancelled cancelled)
{
    if (!computation.Collect(doc))
        return Refuse({LoadAppString(StringId::TooManyGraphs)});
    Outcome outcome;
    if (!computation.Start(doc, outcome))
        return Report(computation.StartFailure());
    computation.Wait(WorkerThread::kInfinite, {});
    if (outcome.failure)
        return Report(*outcome.failure);
    if (!outcome.ok && cancelled == Cancelled::Fails)
        return 3;
    return std::nullopt;
}
