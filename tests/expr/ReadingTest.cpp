// How the engine reads a typed formula: the reading written back in ordinary
// precedence, the warnings for surprising spots, and the engine's error with
// its position when the formula does not compile.

#include "EngineFixture.h"
#include "expr/ExprExplanation.h"

#include <vector>

namespace {

ExprExplanation Explain(const std::string& text, const char* arg = "x")
{
    StartEngine();
    std::lock_guard lock(theVariables.Lock());
    return ExplainExpression(text, arg);
}

struct ReadingRow {
    std::string text;
    const char* reading;  // null: the formula does not compile
    // Each warning's beginning: the spot's character number and its text.
    std::vector<std::string> warnings;
};

void ExpectExplained(const ReadingRow& row, const char* arg = "x")
{
    SCOPED_TRACE(row.text);
    const ExprExplanation explanation = Explain(row.text, arg);
    if (row.reading) {
        EXPECT_FALSE(explanation.error) << explanation.error->Message();
        EXPECT_EQ(explanation.reading, row.reading);
    } else {
        EXPECT_TRUE(explanation.error);
        EXPECT_EQ(explanation.reading, "");
    }
    std::vector<std::string> spots;
    for (const ExprWarning& warning : explanation.warnings)
        spots.push_back(warning.text.substr(0, warning.text.find(':')));
    std::vector<std::string> expected;
    for (const std::string& warning : row.warnings)
        expected.push_back(warning.substr(0, warning.find(':')));
    EXPECT_EQ(spots, expected);
}

TEST(Reading, ShowsTheTrapsWithAWarningEach)
{
    const ReadingRow rows[] = {
        {"e^-x", "e-x", {"At 2, \"^-x\""}},
        {"2^-1", "2-1", {"At 2, \"^-1\""}},
        {"x*-3^2", "x-3^2", {"At 2, \"*-3^2\""}},
        {"1.5e-3", "1.5*e-3", {"At 1, \"1.5e-3\""}},
        {"2e+5", "2*e+5", {"At 1, \"2e+5\""}},
        {"sin x^2", nullptr, {"At 1, \"sin x\""}},
        {"pi  r", nullptr, {"At 1, \"pi  r\""}},
        {"3,5", "3*5", {"At 1, \"3,5\""}},
        {"x,", "x", {"At 2, \",\""}},
        {".5", "5", {"At 1, \".5\""}},
        {"1.2.3", "1.2*3", {"At 4, \".3\""}},
        {"x^", "x", {"At 2, \"^\""}},
        {"(x-)", "(x)", {"At 3, \"-\""}},
        {"2+*3", "2+3", {"At 2, \"+*\""}},
        {"x^^2", "x^2", {"At 2, \"^^\""}},
        {"x*/^2", "x^2", {"At 2, \"*/^\""}},
        {"x--3", "x-3", {"At 2, \"--\""}},
        {"/x", "1/x", {"At 1, \"/\""}},
        {"x+^2", "x+1", {"At 2, \"+^\""}},
        {"2+^x*3", "2+x^0*3", {"At 2, \"+^\""}},
        {"x+*", "x+0", {"At 2, \"+*\""}},
        {"2()", "2*0", {"At 2, \"()\""}},
        {"( )x", "0*x", {"At 1, \"( )\""}},
        {"||x||", "0*x*0", {"At 1, \"||\"", "At 4, \"||\""}},
        {"2^3^2", "(2^3)^2", {"At 1, \"2^3^2\""}},
        {"x/2^3^x^2", "x/((2^3)^x)^2", {"At 3, \"2^3^x^2\""}},
        {"x²", "x", {"At 2, \"²\""}},
        {"2_3 = x", "2*3*x", {"At 2, \"_\"", "At 5, \"=\""}},
        {std::string(252, ' ') + "x+1+2", "x+1", {"At 256"}},
    };
    for (const ReadingRow& row : rows)
        ExpectExplained(row);
}

TEST(Reading, LeavesCleanFormulasWithoutWarnings)
{
    const ReadingRow rows[] = {
        {"sin(x)^2+2x-1", "sin(x)^2+2*x-1", {}},
        {"e^(-x)", "e^(-x)", {}},
        {"(x+1)/(x-1)", "(x+1)/(x-1)", {}},
        {"2|x|", "2*|x|", {}},
        {"sqrt(1-x^2)", "sqrt(1-x^2)", {}},
        {"pow(x,3)", "pow(x,3)", {}},
        {"10^(-3)*x", "10^(-3)*x", {}},
        {"2e5", "200000", {}},
        {"-x^2", "-x^2", {}},
        {"", "0", {}},
        {std::string(254, ' ') + "x", "x", {}},
    };
    for (const ReadingRow& row : rows)
        ExpectExplained(row);
}

// The grammar's edge cases: bars, nested calls, runs of signs, implicit
// multiplication, constants, capitals, numbers.
TEST(Reading, WritesTheEnginesStructure)
{
    const ReadingRow rows[] = {
        {"|x-1|+|(|x|-1)|", "|x-1|+|(|x|-1)|", {}},
        {"2|x|3", "2*|x|*3", {}},
        {"sin(cos(2x))", "sin(cos(2*x))", {}},
        {"pow(pow(x,2),root(8,3))", "pow(pow(x,2),root(8,3))", {}},
        {"pow(1,2,3)", "pow(1*2,3)", {"At 5, \"1,2\""}},
        {"pow((1,2),3)", "pow((1*2),3)", {"At 6, \"1,2\""}},
        {"--x+-+3", "-x+3", {"At 1, \"--\"", "At 4, \"+-+\""}},
        {"(x+1)(x-1)", "(x+1)*(x-1)", {}},
        {"sin(x)cos(x)x2", "sin(x)*cos(x)*x*2", {}},
        {"x/2x", "x/2*x", {}},
        {"2pi*e", "2*pi*e", {}},
        {"SIN(X)+PI+Tan(x)+ARCTAN(x)+atan(x)+Asin(x)+acos(x)+acot(x)", "sin(x)+pi+tg(x)+arctg(x)+arctg(x)+arcsin(x)+arccos(x)+arcctg(x)", {}},
        {"sinh(x)+abs(x)+EXP(x)", "sh(x)+abs(x)+exp(x)", {}},
        {"0.10x+007+2.+1e3", "0.1*x+7+2+1000", {}},
        {"1e25x+0.0000001", "1e25*x+0.0000001", {}},
        {"1e400*x", "1e400*x", {}},
        {"^2^3/x", "1/x", {"At 1, \"^\""}},
        {"2^x^2", "(2^x)^2", {"At 1, \"2^x^2\""}},
        {"x^2x^2", "x^2*x^2", {}},
        {"x^(2^3)", "x^(2^3)", {}},
    };
    for (const ReadingRow& row : rows)
        ExpectExplained(row);
    ExpectExplained({"t^2-T", "t^2-t", {}}, "t");
    ExpectExplained({"x+t", nullptr, {}}, "t");
}

// Each warning as the user reads it: the spot and what to write instead.
TEST(Reading, WarnsWithTheSpotAndWhatToWrite)
{
    const std::pair<const char*, const char*> rows[] = {
        {"e^-x", "At 2, \"^-x\": a sign right after ^ starts a new term; write ^(-x)."},
        {"1.5e-3", "At 1, \"1.5e-3\": the sign ends the number, so e is the constant e and -3 starts a new term; "
                   "write 1.5*10^(-3)."},
        {"2E+5", "At 1, \"2E+5\": the sign ends the number, so e is the constant e and +5 starts a new term; "
                 "write 2*10^5."},
        {"x^", "At 2, \"^\": nothing follows this operator, so it is dropped; complete or delete it."},
        {"x*/2", "At 2, \"*/\": two operators in a row; write only the one you mean."},
        {"(*x)", "At 2, \"*\": nothing comes before this operator; put a value in front or delete it."},
        {"sin x", "At 1, \"sin x\": white space does not separate names, so this is read as sinx; write sin(x)."},
        {"pi r", "At 1, \"pi r\": white space does not separate names, so this is read as pir; write pi*r."},
        {"3,5", "At 1, \"3,5\": this comma separates no arguments and is skipped, so it is read as 3*5; the decimal "
                "separator is the point: write 3.5."},
        {"(x,1)", "At 3, \",\": this comma separates no arguments and is skipped; delete it."},
        {".5", "At 1, \".5\": a number cannot start with a point, so this is read as 5; write 0.5."},
        {"2()", "At 2, \"()\": empty brackets count as 0; put a value between them or delete them."},
        {"||", "At 1, \"||\": empty bars count as 0, since a bar closes the open one; put a value between them, or "
               "bracket inner bars: |(|x|)|."},
        {"x^2^3", "At 1, \"x^2^3\": a chain of powers is taken from the left, as (x^2)^3; write x^(2^3) for the "
                  "other order."},
        {"x!", "At 2, \"!\": this character means nothing in a formula and is skipped; delete it."},
    };
    for (const auto& [text, warning] : rows) {
        SCOPED_TRACE(text);
        const ExprExplanation explanation = Explain(text);
        ASSERT_EQ(explanation.warnings.size(), 1u);
        EXPECT_EQ(explanation.warnings[0].text, warning);
    }
    const std::string tooLong = std::string(255, '1') + "+2x";
    ASSERT_EQ(Explain(tooLong).warnings.size(), 1u);
    EXPECT_EQ(Explain(tooLong).warnings[0].text, "At 256: only the first 255 characters are read, so \"+2x\" and what "
                                                 "follows are left out; shorten the formula.");
}

struct PositionRow {
    const char* text;
    const char* arg;
    int code;
    int position;  // byte offset into the typed text; -1: not known
};

// The engine's errors keep their codes and messages and carry the spot in
// the typed text, spaces and capitals included.
TEST(Reading, ErrorsCarryTheirPositionInTheTypedText)
{
    const PositionRow rows[] = {
        {"x)", "x", 1002, 1},
        {"|x)", "x", 1002, 2},
        {"(|x))", "x", 1002, 4},
        {"(x", "x", 1004, 0},
        {"2*(x + (1", "x", 1004, 2},
        {"x+|x", "x", 1004, 2},
        {"  sinx", "x", 1012, 2},
        {"2 + Foo(x)", "x", 1007, 4},
        {"sin(x) + sin()", "x", 1018, 9},
        {"pow(2)", "x", 1016, 0},
        {"root(x, 2.5+pow(3))", "x", 1016, 12},
        {"sin(x)+cos(|y|)", "x", 1019, 12},
        {"((1+(y)))", "x", 1019, 5},
        {"sin(x,2)", "x", 1017, -1},  // found while evaluating
    };
    for (const PositionRow& row : rows) {
        SCOPED_TRACE(row.text);
        const ExprExplanation explanation = Explain(row.text, row.arg);
        ASSERT_TRUE(explanation.error);
        EXPECT_EQ(explanation.error->Code(), row.code);
        EXPECT_EQ(explanation.error->Position(), row.position);
        const Caught plain = CatchExpr([&] { EvalAt(*Compile(row.text, row.arg), 0.0); });
        EXPECT_EQ(plain.code, row.code);
        EXPECT_EQ(plain.arg, explanation.error->Argument());
    }
}

}  // namespace
