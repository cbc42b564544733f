#include "cli/IntegralCommand.h"

#include "expr/CVariableTable.h"
#include "cli/CliOutput.h"
#include "tools/ComputeIntegral.h"
#include "tools/IntegralBounds.h"
#include "tools/IntegralChecks.h"
#include "tools/IntegralRequest.h"
#include "tools/IntegralSink.h"
#include "cli/RangeOptions.h"
#include "StringTable.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace {

constexpr const char* kUsage =
    "curvix-cli integral [--arg L] --from A --to B [--precision P] [--pi] EXPR";
// A run of too many steps is refused: the command has no Stop.

// The command shows no progress.
class QuietSink : public IntegralSink {
public:
    void IntegralProgress(int) override {}
    void IntegralDone(IntegralResult) override {}
};

}  // namespace

int RunIntegralCommand(std::span<char* const> args)
{
    RangeOptions options;
    options.precision = 100;
    if (!options.Parse(args, 1, true))
        return CliOutput::UsageError(kUsage);
    if (const std::optional<StringId> refusal = IntegralChoiceMessage(options.expressions[0], options.letter))
        return CliOutput::Refuse(LoadAppString(*refusal));
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
    if (std::string message = IntegralStepsMessage(StringId::TooManySteps, bounds.from, bounds.to, options.precision);
        !message.empty())
        return CliOutput::Refuse(message);

    QuietSink sink;
    const IntegralRequest request{options.expressions[0], options.letter[0], options.precision, bounds.from,
                                  bounds.to};
    const IntegralResult result = ComputeIntegral(request, sink, nullptr);
    if (result.error)
        return CliOutput::ReportExpressionError(result.error->Code(), *result.error);
    if (const std::optional<StringId> message = IntegralOutcomeMessage(result.outcome))
        return CliOutput::Refuse(LoadAppString(*message));
    std::printf("integral %s\narea %s\n", CliOutput::Number(result.integral).c_str(),
                CliOutput::Number(result.area).c_str());
    return 0;
}
