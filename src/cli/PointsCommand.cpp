#include "cli/PointsCommand.h"

#include "model/CCurvixDoc.h"
#include "cli/CliComputation.h"
#include "cli/CliDocument.h"
#include "cli/CliOutput.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr const char* kUsage = "curvix-cli points [--convert] [--summary] FILE";
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
    GraphComputation& computation = file.Computation();
    if (std::optional<int> failed = CliComputation::Run(doc, computation, CliComputation::Cancelled::Fails))
        return *failed;
    for (int slot = 0; slot < computation.DisplayedCount(); ++slot) {
        if (summary)
            PrintSummary(slot, computation.Points(slot));
        else
            PrintPoints(slot, computation.Points(slot));
    }
    return 0;
}
