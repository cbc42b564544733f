#include "IntegralCommand.h"

#include "CVariableTable.h"
#include "CliOutput.h"
#include "IntegralBounds.h"
#include "IntegralChecks.h"
#include "IntegralRequest.h"
#include "IntegralWorker.h"
#include "RangeOptions.h"
#include "StringTable.h"

#include <cstdio>
#include <mutex>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "curvix-cli integral [--arg L] --from A --to B [--precision P] [--pi] EXPR";
// A run of too many steps is refused: the command has no Stop.
constexpr unsigned kTooManySteps = 21413;

// Hands the worker's end back to the command.
class EndSink : public IntegralSink {
public:
    void IntegralProgress(int) override {}
    void IntegralDone(IntegralOutcome result, std::optional<CExprException> failure) override
    {
        outcome = result;
        error = std::move(failure);
    }

    IntegralOutcome outcome = IntegralFailed;
    std::optional<CExprException> error;
};

}  // namespace

int RunIntegralCommand(std::span<char* const> args)
{
    RangeOptions options;
    options.precision = 100;
    if (!options.Parse(args, 1, true))
        return CliOutput::UsageError(kUsage);
    if (const unsigned refusal = IntegralChoiceMessage(options.expressions[0], options.letter))
        return CliOutput::Refuse(LoadAppString(refusal));
    try {
        std::lock_guard lock(theVariables.Lock());
        CheckIntegralSyntax(options.expressions[0], options.letter[0]);
    } catch (const CExprException& error) {
        return CliOutput::ReportExpressionError(error.Code(), error);
    }
    IntegralBounds bounds;
    if (std::string message = ReadIntegralBounds(*options.from, *options.to, options.timesPi, bounds);
        !message.empty())
        return CliOutput::Refuse(message);
    if (std::string message = IntegralStepsMessage(kTooManySteps, bounds.from, bounds.to, options.precision);
        !message.empty())
        return CliOutput::Refuse(message);

    EndSink sink;
    double integral = 0;
    double area = 0;
    IntegralRequest request{options.expressions[0], options.letter[0], options.precision, bounds.from, bounds.to,
                            &sink, &integral, &area, nullptr};
    IntegralWorker(request);
    if (sink.error)
        return CliOutput::ReportExpressionError(sink.error->Code(), *sink.error);
    if (const unsigned message = IntegralOutcomeMessage(sink.outcome))
        return CliOutput::Refuse(LoadAppString(message));
    std::printf("integral %s\narea %s\n", CliOutput::Number(integral).c_str(), CliOutput::Number(area).c_str());
    return 0;
}
