// Tables of values: the rows a range gives, the values of each kind of
// graph, and the text of the tables.

#include "model/GraphItem.h"
#include "tools/TableText.h"
#include "ToolsTestSupport.h"
#include "tools/ValueTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ValueTable, CountsRowsAndRefusesUnusableRanges)
{
    const struct {
        ValueTableRange range;
        std::int64_t rows;
    } cases[] = {
        {{0, 1, 0.1}, 11},  // 10 * 0.1 falls short of 1 by rounding, yet 1 is a row
        {{-1, 1, 0.2}, 11},
        {{0, 1, 0.3}, 4},
        {{2, 2, 1}, 1},
        {{0, 99999, 1}, 100000},
        {{0, 100000, 1}, -1},       // one row too many
        {{0, 1e300, 1e-300}, -1},   // the count overflows
        {{1, 0, 0.1}, 0},
        {{0, 1, 0}, 0},
        {{0, 1, -0.1}, 0},
        {{0, kInf, 1}, 0},
        {{0, 1, NAN}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.range.from) + " " + std::to_string(c.range.to) + " " + std::to_string(c.range.step));
        EXPECT_EQ(ValueTableRowCount(c.range), c.rows);
        EXPECT_EQ(!ValueTableRefusal(c.range), c.rows > 0);
    }
}

TEST(ValueTable, GivesTheArgumentAndTheValuesOfEachKind)
{
    StartEngine();
    const struct {
        GraphKind kind;
        const char* expression;
        const char* expression2;
        ValueTableRange range;
        TableRows cells;
    } cases[] = {
        {KindYofX, "x*x", "", {-1, 1, 0.5},
         {{"x", "y"}, {"-1", "1"}, {"-0.5", "0.25"}, {"0", "0"}, {"0.5", "0.25"}, {"1", "1"}}},
        {KindYofX, "sqrt(x)", "", {-1, 1, 1}, {{"x", "y"}, {"-1", "undefined"}, {"0", "0"}, {"1", "1"}}},
        {KindYofX, "1/x", "", {0, 0, 1}, {{"x", "y"}, {"0", "undefined"}}},
        {KindXofY, "y+1", "", {0, 0.3, 0.1}, {{"x", "y"}, {"1", "0"}, {"1.1", "0.1"}, {"1.2", "0.2"}, {"1.3", "0.3"}}},
        {KindParametric, "t*2", "t*t", {0, 2, 1}, {{"t", "x", "y"}, {"0", "0", "0"}, {"1", "2", "1"}, {"2", "4", "4"}}},
        {KindPolar, "2", "", {0, 3.141592653589793, 1.5707963267948966},
         {{"t", "x", "y"}, {"0", "2", "0"}, {"1.57079632679", "1.22464679915e-16", "2"}, {"3.14159265359", "-2", "2.44929359829e-16"}}},
        {KindPolar, "sqrt(t-1)", "", {0, 0, 1}, {{"t", "x", "y"}, {"0", "undefined", "undefined"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        GraphItem graph;
        graph.kind = c.kind;
        graph.expression = c.expression;
        graph.expression2 = c.expression2;
        EXPECT_EQ(ValueTableCells(c.kind, ComputeValueTable(graph, c.range)), c.cells);
    }
}

TEST(ValueTable, ThrowsTheEnginesErrorForAFormulaItRefuses)
{
    StartEngine();
    GraphItem graph;
    graph.expression = "x)";
    EXPECT_THROW(ComputeValueTable(graph, {0, 1, 1}), CExprException);
}

TEST(TableText, JoinsCellsAndQuotesForCsv)
{
    const TableRows rows{{"x", "y"}, {"1", "a,b"}, {"say \"hi\"", "undefined"}};
    EXPECT_EQ(TableText(rows, '\t'), "x\ty\n1\ta,b\nsay \"hi\"\tundefined\n");
    EXPECT_EQ(TableText(rows, ','), "x,y\n1,\"a,b\"\n\"say \"\"hi\"\"\",undefined\n");
}

TEST(TableText, WritesSignificantDigits)
{
    const struct {
        double value;
        int digits;
        const char* text;
    } cases[] = {
        {3.141592653589793, 12, "3.14159265359"},
        {3.141592653589793, 10, "3.141592654"},
        {-0.0, 10, "0"},
        {1e-20, 12, "1e-20"},
        {NAN, 12, "undefined"},
        {kInf, 12, "undefined"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignificantText(c.value, c.digits), c.text);
}

}  // namespace
