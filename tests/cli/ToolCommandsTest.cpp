// curvix-cli integral and tangent: results, refusals and exit statuses.

#include "CliRunner.h"

namespace {

using ToolCommands = CliRunner;

struct ToolRow {
    std::string args;
    const char* out;
    const char* err;  // null: a usage line
    int status;
};

void Check(const ToolRow& row, const CliResult& result)
{
    SCOPED_TRACE(row.args);
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err.substr(0, row.err ? std::string::npos : 7), row.err ? row.err : "usage: ");
}

TEST_F(ToolCommands, IntegralPrintsResultsOrTheToolsRefusal)
{
    const ToolRow rows[] = {
        // The unrounded sums, as the worker adds them.
        {"integral --from 0 --to 1 x", "integral 0.49999999999999939\narea 0.49999999999999939\n", "", 0},
        {"integral --to 1 --from -1 --precision 3200 x", "integral -4.9368061721954959e-15\narea 0.99999999999999512\n", "", 0},
        {"integral --arg t --from 0 --to 1 --pi 't-t'", "integral 0\narea 0\n", "", 0},
        {"integral --from -1 --to 1 1/x", "",
         "Error >> The function you have selected is not continuous in the specified range.\n", 3},
        {"integral --from 1 --to 1 x", "",
         "The range values are wrong or not specified.\\nCorrect the error and try again.\\n\\nHint: 'From' value "
         "must always be less than 'To' value.\n",
         3},
        {"integral --from 0 --to 1 'x)'", "", "error 1002: [Syntax error] Unexpected symbol was found: '')' at position 2'.\n", 2},
        // A run of more than 1e9 steps at its precision, pi counted, would take days: the command has no Stop.
        {"integral --from 0 --to 1e12 0", "",
         "The range holds 100000000000000 steps at the chosen precision, more than the 1000000000 a calculation "
         "may take.\\nChoose a smaller range or a lower precision.\n",
         3},
        {"integral --from 0 --to 400000 --precision 3200 x", "",
         "The range holds 1280000000 steps at the chosen precision, more than the 1000000000 a calculation "
         "may take.\\nChoose a smaller range or a lower precision.\n",
         3},
        {"integral --arg t --from -2e6 --to 2e6 --pi t", "",
         "The range holds 1256637062 steps at the chosen precision, more than the 1000000000 a calculation "
         "may take.\\nChoose a smaller range or a lower precision.\n",
         3},
        {"integral --from 0 --to 1 --precision 300 x", "", nullptr, 1},
        {"integral --from 0 x", "", nullptr, 1},
    };
    for (const ToolRow& row : rows)
        Check(row, Run(row.args));
}

TEST_F(ToolCommands, TangentPrintsBothLines)
{
    const ToolRow rows[] = {
        {"tangent --kind 0 --at 1 'x*x'", "tangent: y = 2x - 1\nnormal: y = -0.5x + 1.5\n", "", 0},
        {"tangent --kind 0 --at 0 'x*x'", "tangent: y = 0\nnormal: x = 0\n", "", 0},
        {"tangent --kind 3 --at 0.5 --pi 1", "tangent: y = 1\nnormal: x = 0\n", "", 0},
        {"tangent --kind 0 --at 0 --precision 100 30000000", "",
         "The function does not exist at the specified x coordinate.\n", 3},
        {"tangent --kind 1 --at 0 'y)'", "", "error 1002: [Syntax error] Unexpected symbol was found: '')' at position 2'.\n", 2},
        {"tangent --kind 2 --at 1 t", "", nullptr, 1},
        {"tangent --kind 4 --at 1 t", "", nullptr, 1},
    };
    for (const ToolRow& row : rows)
        Check(row, Run(row.args));
}

}  // namespace
