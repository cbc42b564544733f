// curvix-cli eval: output format, error lines and exit statuses.

#include "CliRunner.h"

namespace {

using EvalCommand = CliRunner;

TEST_F(EvalCommand, PrintsResultsErrorsAndStatuses)
{
    const struct {
        std::string args;
        const char* out;
        const char* err;  // null: a usage line
        int status;
    } rows[] = {
        // One line per value, %.17g; no value evaluates once at 0.
        {"eval '2x^2' 1 2 -0.5", "2\n8\n0.5\n", "", 0},
        {"eval 'x+1'", "1\n", "", 0},
        {"eval 'x' ' 2.5' 1e400 -inf 0x10", "2.5\ninf\n-inf\n16\n", "", 0},
        // A value must read as a number to its end; nothing is evaluated otherwise.
        {"eval '0.1+x' abc", "", nullptr, 1},
        {"eval 'x' 1 ''", "", nullptr, 1},
        {"eval 'x' 1 2x", "", nullptr, 1},
        {"eval 'x' '3 '", "", nullptr, 1},
        {"eval '1/x' 0 1e3", "inf\n0.001\n", "", 0},
        {"eval 'sqrt(x)' -1", "nan\n", "", 0},
        {"eval --arg y 'y-PI' 0", "-3.1415926535897931\n", "", 0},
        // Text is cut to 255 characters before it is compiled.
        {"eval '" + std::string(254, ' ') + "x+(((' 4", "4\n", "", 0},
        // Compile errors print nothing else; messages keep their line breaks as \n.
        {"eval --arg t 'x'", "",
         "error 1019: [Syntax error] The variable 'x' is not available in this expression.\\n\\n"
         "(e.g. you cannot use variable 'x' when creating function of type \"r = f ( t )\".\\n"
         "In this case you should use 't' variable.)\n",
         2},
        {"eval 'x)' 1", "", "error 1002: [Syntax error] Unexpected symbol was found: '')' at position 2'.\n", 2},
        {"eval 'root(2,x)' 2 2.5 3", "1.4142135623730951\n",  // the lines before an error stay
         "error 1020: [Run-time error] Wrong argument in function 'root(x, y)' call.\\nTip: y must always be "
         "an integer.\n",
         2},
        {"eval", "", nullptr, 1},
        {"eval --arg z 'z'", "", nullptr, 1},
        {"", "", nullptr, 1},
        {"frobnicate", "", nullptr, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args);
        const CliResult result = Run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err.substr(0, row.err ? std::string::npos : 7), row.err ? row.err : "usage: ");
    }
}

}  // namespace
