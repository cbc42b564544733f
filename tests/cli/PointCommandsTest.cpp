// curvix-cli roots, extrema and intersect: points in ascending order, the
// integral's bound rules and refusals, exit statuses.

#include "CliRunner.h"

namespace {

using PointCommands = CliRunner;

struct PointRow {
    std::string args;
    const char* out;
    const char* err;  // null: a usage line
    int status;
};

TEST_F(PointCommands, PrintPointsInAscendingOrderOrTheRefusal)
{
    const char* const range =
        "The range values are wrong or not specified.\\nCorrect the error and try again.\\n\\nHint: 'From' value "
        "must always be less than 'To' value.\n";
    const PointRow rows[] = {
        {"roots --from 0.5 --to 10 'sin(x)'", "3.1415926535897931\n6.2831853071795862\n9.4247779607693793\n", "", 0},
        {"roots --arg t --precision 3200 --from -2 --to 2 't^2-2'", "-1.4142135623730949\n1.4142135623730949\n", "", 0},
        {"roots --from -1 --to 1 'sqrt(x)'", "0\n", "", 0},
        {"roots --from -1 --to 1 1/x", "", "", 0},  // a pole: nothing found
        {"extrema --from 0 --to 10 'sin(x)'",
         "max 1.5707963267211802 1\nmin 4.7123889842034021 -1\nmax 7.8539816339579671 1\n", "", 0},
        {"extrema --from -1 --to 1 '|x|'", "min 0 0\n", "", 0},
        {"extrema --from 0 --to 1 'x^2+1'", "", "", 0},
        {"intersect --from 0 --to 7 'sin(x)' 'cos(x)'",
         "0.78539816339744839 0.70710678118654757\n3.9269908169872414 -0.70710678118654746\n", "", 0},
        {"intersect --from -2 --to 2 'x^2' 1", "-1 1\n1 1\n", "", 0},
        {"roots --from 1 --to 0 x", "", range, 3},
        {"extrema --from 0,5 --to 1 x", "", "The string you have entered '0,5' contains incorrect characters ','.\n", 3},
        {"roots --from 0 --to 1e12 x", "",
         "The range holds 200000000000000 steps at the chosen precision, more than the 1000000000 a calculation "
         "may take.\\nChoose a smaller range or a lower precision.\n",
         3},
        {"roots --arg z --from 0 --to 1 z", "",
         "The variable you've typed is not supported. You may use only variables 'x', 'y' or 't'.\n", 3},
        {"roots --from 0 --to 1 'x)'", "", "error 1002: [Syntax error] Unexpected symbol was found: '')' at position 2'.\n",
         2},
        {"intersect --from 0 --to 1 x y", "",
         "error 1019: [Syntax error] The variable 'y' is not available in this expression.\\n\\n(e.g. you cannot use "
         "variable 'x' when creating function of type \"r = f ( t )\".\\nIn this case you should use 't' variable.)\n",
         2},
        {"roots --from 0 --to 1 --precision 300 x", "", nullptr, 1},
        {"roots --from 0 x", "", nullptr, 1},
        {"intersect --from 0 --to 1 x", "", nullptr, 1},
        {"extrema --from 0 --to 1 --pi x", "", nullptr, 1},
    };
    for (const PointRow& row : rows) {
        SCOPED_TRACE(row.args);
        const CliResult result = Run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err.substr(0, row.err ? std::string::npos : 7), row.err ? row.err : "usage: ");
    }
}

}  // namespace
