#include "EvalCommand.h"

#include "CExprException.h"
#include "CExpression.h"
#include "CVariableTable.h"
#include "CliOutput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "curvix-cli eval [--arg x|y|t] EXPR [VALUE...]";

// Makes the argument the only available argument variable and the current
// one, as every compiler of graph expressions does.
void SelectArgument(const std::string& argument)
{
    for (const char* name : {"x", "y", "t"})
        theVariables.SetAvailable(name, argument == name);
    theVariables.SetCurrent(argument.c_str());
}

}  // namespace

int RunEvalCommand(std::span<char* const> args)
{
    std::string argument = "x";
    size_t next = 0;
    if (next < args.size() && std::strcmp(args[next], "--arg") == 0) {
        if (next + 1 >= args.size())
            return CliOutput::UsageError(kUsage);
        argument = args[next + 1];
        next += 2;
    }
    if (argument != "x" && argument != "y" && argument != "t")
        return CliOutput::UsageError(kUsage);
    if (next >= args.size())
        return CliOutput::UsageError(kUsage);
    const char* text = args[next++];
    std::vector<double> values;
    for (; next < args.size(); ++next)
        values.push_back(std::strtod(args[next], nullptr));
    if (values.empty())
        values.push_back(0.0);

    std::lock_guard lock(theVariables.Lock());
    try {
        SelectArgument(argument);
        CExpression expression(text, false);
        expression.Simplify();
        for (double value : values) {
            theVariables.SetCurrentValue(value);
            expression.Evaluate();
            std::printf("%s\n", CliOutput::Number(expression.GetResult(nullptr)).c_str());
        }
    } catch (const CExprException& error) {
        std::fflush(stdout);
        return CliOutput::ReportExpressionError(error.Code(), error);
    }
    return 0;
}
