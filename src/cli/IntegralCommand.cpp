#include "IntegralCommand.h"

#include "CVariableTable.h"
#include "CliOutput.h"
#include "IntegralBounds.h"
#include "IntegralChecks.h"
#include "IntegralRequest.h"
#include "IntegralWorker.h"
#include "PrecisionList.h"
#include "StringTable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "curvix-cli integral [--arg L] --from A --to B [--precision P] [--pi] EXPR";
// A run of too many steps is refused: the command has no Stop.
constexpr unsigned kTooManySteps = 21413;

struct IntegralOptions {
    std::string letter = "x";
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::int32_t precision = 100;
    bool timesPi = false;
    std::string expression;
};

// False for options that do not make a command line.
bool ParseOptions(std::span<char* const> args, IntegralOptions& options)
{
    size_t i = 0;
    for (; i + 1 < args.size(); ++i) {
        const std::string option = args[i];
        if (option == "--pi") {
            options.timesPi = true;
            continue;
        }
        if (i + 2 >= args.size())
            return false;
        const std::string value = args[++i];
        if (option == "--arg")
            options.letter = value;
        else if (option == "--from")
            options.from = value;
        else if (option == "--to")
            options.to = value;
        else if (option == "--precision")
            options.precision = static_cast<std::int32_t>(std::atoi(value.c_str()));
        else
            return false;
    }
    if (i + 1 != args.size() || !options.from || !options.to || options.letter.size() > 1 ||
        IndexFromPrecision(options.precision) < 0)
        return false;
    options.expression = args[i];
    return true;
}

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
    IntegralOptions options;
    if (!ParseOptions(args, options))
        return CliOutput::UsageError(kUsage);
    if (const unsigned refusal = IntegralChoiceMessage(options.expression, options.letter))
        return CliOutput::Refuse(LoadAppString(refusal));
    try {
        std::lock_guard lock(theVariables.Lock());
        CheckIntegralSyntax(options.expression, options.letter[0]);
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
    IntegralRequest request{options.expression, options.letter[0], options.precision, bounds.from, bounds.to,
                            &sink, &integral, &area, nullptr};
    IntegralWorker(request);
    if (sink.error)
        return CliOutput::ReportExpressionError(sink.error->Code(), *sink.error);
    if (const unsigned message = IntegralOutcomeMessage(sink.outcome))
        return CliOutput::Refuse(LoadAppString(message));
    std::printf("integral %s\narea %s\n", CliOutput::Number(integral).c_str(), CliOutput::Number(area).c_str());
    return 0;
}
