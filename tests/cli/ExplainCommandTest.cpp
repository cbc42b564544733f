// curvix-cli explain: the reading line, one line per warning, the engine's
// error as eval prints it, and the exit statuses.

#include "CliRunner.h"

namespace {

using ExplainCommand = CliRunner;

TEST_F(ExplainCommand, PrintsTheReadingWarningsAndErrors)
{
    const struct {
        std::string args;
        const char* out;
        const char* err;  // null: a usage line
        int status;
    } rows[] = {
        {"explain 'sin(x)^2+2x-1'", "reads as: sin(x)^2+2*x-1\n", "", 0},
        {"explain 'e^-x'",
         "reads as: e-x\nwarning: At 2, \"^-x\": a sign right after ^ starts a new term; write ^(-x).\n", "", 0},
        {"explain '2^3^2 + .5'",
         "reads as: (2^3)^2+5\n"
         "warning: At 1, \"2^3^2\": a chain of powers is taken from the left, as (2^3)^2; write 2^(3^2) for the "
         "other order.\n"
         "warning: At 9, \".5\": a number cannot start with a point, so this is read as 5; write 0.5.\n",
         "", 0},
        {"explain --arg t 'T^2 + TAN(t)'", "reads as: t^2+tg(t)\n", "", 0},
        {"explain ''", "reads as: 0\n", "", 0},
        // A formula that does not compile: its warnings, then the error as eval prints it.
        {"explain 'sin x'",
         "warning: At 1, \"sin x\": white space does not separate names, so this is read as sinx; write sin(x).\n",
         "error 1012: [Syntax error] 'sinx' - variable not defined.\\nThe only supported variables are: pi, e and x "
         "(a function parameter).\n",
         2},
        {"explain 'x)'", "", "error 1002: [Syntax error] Unexpected symbol was found: '')' at position 2'.\n", 2},
        {"explain 'sin(x,2)'", "", "error 1017: [Syntax error] The function 'sin(x)' requires 1 argument.\n", 2},
        {"explain --arg y 'x'", "",
         "error 1019: [Syntax error] The variable 'x' is not available in this expression.\\n\\n(e.g. you cannot use "
         "variable 'x' when creating function of type \"r = f ( t )\".\\nIn this case you should use 't' variable.)\n",
         2},
        {"explain", "", nullptr, 1},
        {"explain x 1", "", nullptr, 1},
        {"explain --arg z z", "", nullptr, 1},
        {"explain --arg x", "", nullptr, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args);
        const CliResult result = Run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err.substr(0, row.err ? std::string::npos : 7), row.err ? row.err : "usage: ");
    }
    EXPECT_NE(Run("").err.find("explain"), std::string::npos);
}

}  // namespace
