// curvix-cli: the program without a window, for scripting and checking.

#include "cli/CliOutput.h"
#include "cli/ConvertCommand.h"
#include "cli/EvalCommand.h"
#include "cli/ExplainCommand.h"
#include "cli/InfoCommand.h"
#include "expr/InitExpressionEngine.h"
#include "cli/IntegralCommand.h"
#include "cli/PointCommands.h"
#include "cli/PointsCommand.h"
#include "cli/RenderCommand.h"
#include "cli/TangentCommand.h"

#include <cstring>
#include <span>

namespace {

struct Command {
    const char* name;
    int (*run)(std::span<char* const> args);
};

constexpr Command kCommands[] = {
    {"eval", RunEvalCommand},
    {"explain", RunExplainCommand},
    {"info", RunInfoCommand},
    {"convert", RunConvertCommand},
    {"points", RunPointsCommand},
    {"render", RunRenderCommand},
    {"integral", RunIntegralCommand},
    {"tangent", RunTangentCommand},
    {"roots", RunRootsCommand},
    {"extrema", RunExtremaCommand},
    {"intersect", RunIntersectCommand},
};

constexpr const char* kUsage = "curvix-cli COMMAND [OPTIONS...] (commands: eval, explain, info, convert, points, render, integral, tangent, roots, extrema, intersect)";

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return CliOutput::UsageError(kUsage);
    InitExpressionEngine();
    const std::span<char* const> args(argv + 2, static_cast<size_t>(argc - 2));
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(args);
    }
    return CliOutput::UsageError(kUsage);
}
