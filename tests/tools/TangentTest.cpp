// Tangent and normal lines of the four kinds of graph, and their equations.

#include "model/GraphItem.h"
#include "tools/TangentNormal.h"
#include "ToolsTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ComputeTangentNormal, FindsBothLinesForEveryKind)
{
    const struct {
        GraphKind kind;
        const char* expression;
        const char* expression2;
        double at;
        TangentResult result;
        bool tangentVertical;
        const char* tangent;
        bool normalVertical;
        const char* normal;
    } rows[] = {
        {KindYofX, "x*x", "", 1, TangentComputed, false, "2x - 1", false, "-0.5x + 1.5"},
        {KindYofX, "x*x", "", 0, TangentComputed, false, "0", true, "0"},
        {KindYofX, "x", "", 3, TangentComputed, false, "x", false, "-x + 6"},
        {KindYofX, "-x+2", "", 0, TangentComputed, false, "-x + 2", false, "x + 2"},
        // A value 30000000 times 100 points a unit is beyond the picture.
        {KindYofX, "30000000", "", 0, TangentNoFunction, false, "", false, ""},
        {KindYofX, "1/x", "", 0, TangentNoFunction, false, "", false, ""},
        {KindXofY, "y*y", "", 0, TangentComputed, true, "0", false, "0"},
        {KindXofY, "2*y", "", 1, TangentComputed, false, "0.5x", false, "-2x + 5"},
        {KindPolar, "1", "", 0, TangentComputed, true, "1", false, "0"},
        // The unit circle at t = 1.2: the normal runs through the origin.
        {KindPolar, "1", "", 1.2, TangentComputed, false, "-0.3888x + 1.0729", false, "2.5722x"},
        {KindParametric, "t", "t/4", 1, TangentComputed, false, "0.25x", false, "-4x + 4.25"},
        {KindParametric, "t", "1", 1, TangentComputed, false, "1", true, "1"},
        {KindParametric, "1", "t", 1, TangentComputed, true, "1", false, "1"},
        {KindParametric, "1", "2", 1, TangentNoFunction, false, "", false, ""},  // the points coincide
        {KindXofY, "y)", "", 1, TangentError, false, "", false, ""},
        {GraphKind(7), "x", "", 1, TangentError, false, "", false, ""},
        // Slopes and intercepts keep ten digits.
        {KindYofX, "x*x", "", 4000, TangentComputed, false, "8000.0002x - 16000000.8", false, "-0.0001x + 16000000.4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.expression) + " at " + std::to_string(row.at));
        StartEngine();
        GraphItem graph;
        graph.kind = row.kind;
        graph.expression = row.expression;
        graph.expression2 = row.expression2;
        TangentNormal lines;
        ASSERT_EQ(ComputeTangentNormal(graph, 100, row.at, lines), row.result);
        EXPECT_EQ(lines.tangent.vertical, row.tangentVertical);
        EXPECT_EQ(lines.tangent.equation, row.tangent);
        EXPECT_EQ(lines.normal.vertical, row.normalVertical);
        EXPECT_EQ(lines.normal.equation, row.normal);
        EXPECT_EQ(lines.error.has_value(), row.result == TangentError && IsKnownGraphKind(row.kind));
    }
}

}  // namespace
