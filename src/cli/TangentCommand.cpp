#include "cli/TangentCommand.h"

#include "cli/CliOutput.h"
#include "model/GraphItem.h"
#include "StringTable.h"
#include "tools/TangentNormal.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kUsage = "curvix-cli tangent --kind K --at V [--pi] [--precision N] EXPR [EXPR2]";
constexpr double kDialogPi = 3.141592654;  // the tangent dialog's own pi factor

struct TangentOptions {
    GraphItem graph;
    double at = 0;
    bool haveKind = false;
    bool haveAt = false;
    bool timesPi = false;
    std::int32_t precision = 200;
};

bool ParseOption(const std::string& option, const char* value, TangentOptions& options)
{
    if (option == "--kind") {
        const int kind = std::atoi(value);
        options.graph.kind = GraphKind(kind);
        options.haveKind = IsKnownGraphKind(kind);
        return options.haveKind;
    }
    if (option == "--at") {
        options.at = std::atof(value);
        options.haveAt = true;
        return true;
    }
    if (option == "--precision") {
        options.precision = static_cast<std::int32_t>(std::atoi(value));
        return options.precision > 0;
    }
    return false;
}

// False for options that do not make a command line.
bool ParseOptions(std::span<char* const> args, TangentOptions& options)
{
    size_t i = 0;
    for (; i < args.size() && std::string(args[i]).starts_with("--"); ++i) {
        if (std::string(args[i]) == "--pi")
            options.timesPi = true;
        else if (i + 1 >= args.size() || !ParseOption(args[i], args[i + 1], options))
            return false;
        else
            ++i;
    }
    const size_t expressions = args.size() - i;
    if (!options.haveKind || !options.haveAt || expressions != (options.graph.kind == KindParametric ? 2u : 1u))
        return false;
    options.graph.expression = args[i];
    if (expressions == 2)
        options.graph.expression2 = args[i + 1];
    if (options.timesPi)
        options.at *= kDialogPi;
    return true;
}

void PrintLine(const char* name, const TangentLine& line)
{
    std::printf("%s: %s %s\n", name, line.vertical ? "x =" : "y =", line.equation.c_str());
}

}  // namespace

int RunTangentCommand(std::span<char* const> args)
{
    TangentOptions options;
    if (!ParseOptions(args, options))
        return CliOutput::UsageError(kUsage);
    TangentNormal lines;
    switch (ComputeTangentNormal(options.graph, options.precision, options.at, lines)) {
    case TangentComputed:
        PrintLine("tangent", lines.tangent);
        PrintLine("normal", lines.normal);
        return 0;
    case TangentNoFunction:
        std::fprintf(stderr, "%s\n", LoadAppString(StringId::NoFunctionAtArgument));
        return 3;
    case TangentError:
        break;
    }
    return CliOutput::ReportExpressionError(lines.error->Code(), *lines.error);
}
