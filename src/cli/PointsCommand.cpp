#include "PointsCommand.h"

#include "CCurvixDoc.h"
#include "CliDocument.h"
#include "CliOutput.h"
#include "ComputationSink.h"
#include "ComputeGraphsThread.h"
#include "StringTable.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr const char* kUsage = "curvix-cli points [--convert] [--summary] FILE";
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

void PrintPoints(int slot, const GraphPoints& points)
{
    for (std::int32_t k = 0; k < points.count; ++k)
        std::printf("%d,%d,%d,%d\n", slot, k, points.points[k].x, points.points[k].y);
}

void PrintSummary(int slot, const GraphPoints& points)
{
    std::uint64_t sum = 0;
    for (std::int32_t k = 0; k < points.count; ++k) {
        sum += static_cast<std::uint64_t>(std::int64_t{points.points[k].x});
        sum += static_cast<std::uint64_t>(std::int64_t{points.points[k].y});
    }
    std::printf("%d,%d,%lld\n", slot, points.count, static_cast<long long>(static_cast<std::int64_t>(sum)));
}

// Runs the computation to its end; the exit status when it did not succeed.
std::optional<int> Compute(CCurvixDoc& doc)
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
    if (!outcome.ok)
        return 3;
    return std::nullopt;
}

}  // namespace

int RunPointsCommand(std::span<char* const> args)
{
    bool summary = false;
    std::vector<char*> rest;
    for (char* arg : args) {
        if (std::strcmp(arg, "--summary") == 0)
            summary = true;
        else
            rest.push_back(arg);
    }
    CliDocument file;
    if (!file.ParseArgs(rest, 1))
        return CliOutput::UsageError(kUsage);
    if (int status = file.Open())
        return status;
    CCurvixDoc& doc = file.Document();
    if (std::optional<int> failed = Compute(doc))
        return *failed;
    for (int slot = 0; slot < doc.GetDisplayedCount(); ++slot) {
        if (summary)
            PrintSummary(slot, doc.GetGraphPoints(slot));
        else
            PrintPoints(slot, doc.GetGraphPoints(slot));
    }
    return 0;
}
