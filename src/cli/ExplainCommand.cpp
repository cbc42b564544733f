#include "cli/ExplainCommand.h"

#include "expr/CVariableTable.h"
#include "cli/CliOutput.h"
#include "expr/ExprExplanation.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

namespace {

constexpr const char* kUsage = "curvix-cli explain [--arg x|y|t] EXPR";

}  // namespace

int RunExplainCommand(std::span<char* const> args)
{
    std::string argument = "x";
    size_t next = 0;
    if (args.size() == 3 && std::strcmp(args[0], "--arg") == 0) {
        argument = args[1];
        next = 2;
    }
    if (next + 1 != args.size() || (argument != "x" && argument != "y" && argument != "t"))
        return CliOutput::UsageError(kUsage);

    std::lock_guard lock(theVariables.Lock());
    const ExprExplanation explanation = ExplainExpression(args[next], argument.c_str());
    if (!explanation.error)
        std::printf("reads as: %s\n", explanation.reading.c_str());
    for (const ExprWarning& warning : explanation.warnings)
        std::printf("warning: %s\n", CliOutput::OneLine(warning.text).c_str());
    if (explanation.error) {
        std::fflush(stdout);
        return CliOutput::ReportExpressionError(explanation.error->Code(), *explanation.error);
    }
    return 0;
}
