#include "cli/EvalCommand.h"

#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "cli/CliOutput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
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

// A VALUE is a number as strtod reads it, to its last character.
std::optional<double> ReadValue(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0')
        return std::nullopt;
    return value;
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
    for (; next < args.size(); ++next) {
        const std::optional<double> value = ReadValue(args[next]);
        if (!value)
            return CliOutput::UsageError(kUsage);
        values.push_back(*value);
    }
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
