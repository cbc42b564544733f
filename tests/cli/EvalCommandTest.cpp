// curvix-cli eval: output format, error lines and exit statuses.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EvalRow {
    const char* args;
    const char* out;
    const char* err;
    int status;
};

TEST(EvalCommand, PrintsResultsErrorsAndStatuses)
{
    const std::string kUnavailableX =
        "error 1019: [Syntax error] The variable 'x' is not available in this expression.\\n\\n"
        "(e.g. you cannot use variable 'x' when creating function of type \"r = f ( t )\".\\n"
        "In this case you should use 't' variable.)\n";
    const EvalRow rows[] = {
        // One line per value, %.17g; no value evaluates once at 0.
        {"eval '2x^2' 1 2 -0.5", "2\n8\n0.5\n", "", 0},
        {"eval 'x+1'", "1\n", "", 0},
        {"eval '0.1+x' 0", "0.10000000000000001\n", "", 0},
        {"eval 'x' abc 1e3", "0\n1000\n", "", 0},
        // Values that are not finite.
        {"eval '1/x' 0", "inf\n", "", 0},
        {"eval '-1/x' 0", "-inf\n", "", 0},
        {"eval '0/0'", "nan\n", "", 0},
        {"eval 'sqrt(x)' -1", "nan\n", "", 0},
        {"eval 'ln(x)' -1", "nan\n", "", 0},
        // The argument variable.
        {"eval --arg t 't*2' 3", "6\n", "", 0},
        {"eval --arg y 'y-PI' 0", "-3.1415926535897931\n", "", 0},
        {"eval --arg t 'x'", "", kUnavailableX.c_str(), 2},
        // Compile errors print nothing else; messages keep their line breaks as \n.
        {"eval 'x)' 1", "", "error 1002: [Syntax error] Unexpected symbol was found: '')' at position 2'.\n", 2},
        {"eval 'sinx'", "",
         "error 1012: [Syntax error] 'sinx' - variable not defined.\\nThe only supported variables are: pi, e "
         "and x (a function parameter).\n",
         2},
        {"eval 'sin()'", "", "error 1018: [Syntax error] Wrong expression syntax: \"sin\".\n", 2},
        // Errors at evaluation keep the lines printed before them.
        {"eval 'root(2,x)' 2 2.5 3", "1.4142135623730951\n",
         "error 1020: [Run-time error] Wrong argument in function 'root(x, y)' call.\\nTip: y must always be "
         "an integer.\n",
         2},
        // Bad usage.
        {"eval", "", nullptr, 1},
        {"eval --arg", "", nullptr, 1},
        {"eval --arg z 'z'", "", nullptr, 1},
        {"", "", nullptr, 1},
        {"frobnicate", "", nullptr, 1},
    };
    CliRunner cli;
    for (const EvalRow& row : rows) {
        SCOPED_TRACE(row.args);
        const CliResult result = cli.Run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        if (row.err)
            EXPECT_EQ(result.err, row.err);
        else
            EXPECT_NE(result.err.find("usage:"), std::string::npos);
    }
}

// Text is cut to 255 characters before it is compiled: a bracket opened
// beyond that point does not exist.
TEST(EvalCommand, CutsLongTextTo255Characters)
{
    CliRunner cli;
    const std::string text = std::string(254, ' ') + "x" + "+(((";
    const CliResult result = cli.Run("eval '" + text + "' 4");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "4\n");
}

}  // namespace
