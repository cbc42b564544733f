#include "cli/PointCommands.h"

#include "expr/CVariableTable.h"
#include "cli/CliOutput.h"
#include "tools/IntegralBounds.h"
#include "tools/IntegralChecks.h"
#include "tools/PointRequest.h"
#include "tools/PointSearchWorker.h"
#include "cli/RangeOptions.h"
#include "StringTable.h"

#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

// A search of too many samples is refused: the command has no Stop.

// Hands the worker's end back to the command.
class EndSink : public PointSearchSink {
public:
    void SearchProgress(int) override {}
    void SearchDone(SearchOutcome result, std::vector<FoundPoint> found, std::optional<CExprException> failure) override
    {
        outcome = result;
        points = std::move(found);
        error = std::move(failure);
    }

    SearchOutcome outcome = SearchOutcome::Failed;
    std::vector<FoundPoint> points;
    std::optional<CExprException> error;
};

// The integral tool's checks of the function(s), the bounds and the size of
// the run; the status to exit with, or nothing when the search may run.
std::optional<int> Check(const RangeOptions& options, IntegralBounds& bounds)
{
    for (const std::string& expression : options.expressions) {
        if (const std::optional<StringId> refusal = IntegralChoiceMessage(expression, options.letter))
            return CliOutput::Refuse(LoadAppString(*refusal));
    }
    try {
        std::lock_guard lock(theVariables.Lock());
        for (const std::string& expression : options.expressions)
            CheckIntegralSyntax(expression, options.letter[0]);
    } catch (const CExprException& error) {
        return CliOutput::ReportExpressionError(error.Code(), error);
    }
    if (std::string message = ReadIntegralBounds(*options.from, *options.to, false, bounds); !message.empty())
        return CliOutput::Refuse(message);
    if (std::string message = IntegralStepsMessage(StringId::TooManySteps, bounds.from, bounds.to, options.precision);
        !message.empty())
        return CliOutput::Refuse(message);
    return std::nullopt;
}

// Runs the search and prints each point with print.
int RunPointCommand(std::span<char* const> args, PointGoal goal, const char* usage, void (*print)(const FoundPoint&))
{
    RangeOptions options;
    options.precision = 200;
    if (!options.Parse(args, goal == PointGoal::Intersections ? 2 : 1, false))
        return CliOutput::UsageError(usage);
    IntegralBounds bounds;
    if (const std::optional<int> status = Check(options, bounds))
        return *status;
    EndSink sink;
    const std::string second = goal == PointGoal::Intersections ? options.expressions[1] : std::string();
    PointSearchWorker({goal, options.expressions[0], second, options.letter[0], bounds.from, bounds.to,
                       options.precision, &sink, nullptr});
    if (sink.error)
        return CliOutput::ReportExpressionError(sink.error->Code(), *sink.error);
    for (const FoundPoint& point : sink.points)
        print(point);
    return 0;
}

}  // namespace

int RunRootsCommand(std::span<char* const> args)
{
    return RunPointCommand(args, PointGoal::Roots, "curvix-cli roots [--arg L] [--precision P] --from A --to B EXPR",
                           [](const FoundPoint& point) { std::printf("%s\n", CliOutput::Number(point.x).c_str()); });
}

int RunExtremaCommand(std::span<char* const> args)
{
    return RunPointCommand(args, PointGoal::Extrema,
                           "curvix-cli extrema [--arg L] [--precision P] --from A --to B EXPR",
                           [](const FoundPoint& point) {
                               std::printf("%s %s %s\n", point.kind == PointKind::Minimum ? "min" : "max",
                                           CliOutput::Number(point.x).c_str(), CliOutput::Number(point.y).c_str());
                           });
}

int RunIntersectCommand(std::span<char* const> args)
{
    return RunPointCommand(args, PointGoal::Intersections,
                           "curvix-cli intersect [--arg L] [--precision P] --from A --to B EXPR1 EXPR2",
                           [](const FoundPoint& point) {
                               std::printf("%s %s\n", CliOutput::Number(point.x).c_str(),
                                           CliOutput::Number(point.y).c_str());
                           });
}
