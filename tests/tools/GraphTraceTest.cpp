// Tracing graphs of each kind, moving between graphs, and a trace that
// outlives changes of the document.

#include "tools/GraphTrace.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

std::string G10(double v)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

class GraphTraceTest : public ComputationFixture {
protected:
    void Compute() { ASSERT_TRUE(Refresh(m_sink)); }

    GraphTrace m_trace{m_doc, m_computation};
};

// One move of the trace and the read-out it gives.
struct Move {
    enum Kind { Step, Pointer } kind;
    double a;  // samples, or the pointer's x
    double b;  // the pointer's y
    std::string readout;
};

TEST_F(GraphTraceTest, ReadsEachKindAtSamplesAndUnderThePointer)
{
    const double t31 = 3.1, t16 = 1.6;
    const struct {
        GraphKind kind;
        const char* expression;
        const char* expression2;
        ArgRange range;
        std::string start;
        std::vector<Move> moves;
    } rows[] = {
        {KindYofX, "x*x", "", {-2, 2, 10}, "x = 0; y = 0",
         {{Move::Step, 3, 0, "x = 0.3; y = 0.09"},
          {Move::Pointer, 1.25, 7, "x = 1.25; y = 1.5625"},
          {Move::Step, 1, 0, "x = 1.3; y = 1.69"},
          {Move::Step, 100, 0, "x = 2; y = 4"},
          {Move::Pointer, -5, 0, "x = -2; y = 4"},
          {Move::Step, -1, 0, "x = -2; y = 4"}}},
        {KindXofY, "y*y+1", "", {-1, 1, 10}, "x = 1; y = 0",
         {{Move::Pointer, 9, 0.5, "x = 1.25; y = 0.5"}, {Move::Step, -10, 0, "x = 1.25; y = -0.5"}, {Move::Pointer, 0, 0.27, "x = 1.0729; y = 0.27"},
          {Move::Step, -1, 0, "x = 1.04; y = 0.2"}, {Move::Pointer, 0, 0.27, "x = 1.0729; y = 0.27"},
          {Move::Step, 1, 0, "x = 1.09; y = 0.3"}}},
        // Undefined where the function has no value.
        {KindYofX, "sqrt(x)", "", {-1, 1, 10}, "x = 0; y = 0",
         {{Move::Step, -5, 0, "x = -0.5; y = undefined"}, {Move::Pointer, 0.25, 0, "x = 0.25; y = 0.5"}}},
        {KindYofX, "1/x", "", {-1, 1, 10}, "x = 0; y = undefined", {}},
        // Curves: the nearest computed sample to the pointer.
        {KindParametric, "cos(t)", "sin(t)", {0, 6.3, 10},
         "t = 3.1; x = " + G10(std::cos(t31)) + "; y = " + G10(std::sin(t31)),
         {{Move::Pointer, 0, 1, "t = 1.6; x = " + G10(std::cos(t16)) + "; y = " + G10(std::sin(t16))},
          {Move::Step, -16, 0, "t = 0; x = 1; y = 0"}}},
        {KindPolar, "2", "", {0, 6.3, 10}, "t = 3.1; x = " + G10(2 * std::cos(t31)) + "; y = " + G10(2 * std::sin(t31)),
         {{Move::Pointer, 0, 5, "t = 1.6; x = " + G10(2 * std::cos(t16)) + "; y = " + G10(2 * std::sin(t16))}}},
        {KindPolar, "sqrt(t-3)", "", {0, 6.3, 10}, "t = 3.1; x = " + G10(std::sqrt(0.1) * std::cos(t31)) + "; y = "
                                                       + G10(std::sqrt(0.1) * std::sin(t31)),
         {{Move::Step, -20, 0, "t = 1.1; x = undefined; y = undefined"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expression);
        m_doc.RemoveAllGraphs();
        Add(row.expression, row.kind, row.range, row.expression2);
        Compute();
        ASSERT_TRUE(m_trace.Start(0));
        EXPECT_EQ(m_trace.Readout(), row.start);
        for (const Move& move : row.moves) {
            if (move.kind == Move::Step)
                m_trace.Step(static_cast<int>(move.a));
            else
                m_trace.MoveToPointer(move.a, move.b, 100, 100);
            EXPECT_EQ(m_trace.Readout(), move.readout);
            EXPECT_EQ(m_trace.Point().defined, move.readout.find("undefined") == std::string::npos);
        }
    }
}

TEST_F(GraphTraceTest, TabCyclesThroughTheDisplayedGraphsKeepingTheArgument)
{
    Add("x", KindYofX, {-2, 2, 10});
    Add("2*x", KindYofX, {-2, 2, 10})->hidden = true;
    Add("3*x", KindYofX, {-2, 2, 10});
    Add("t", KindPolar, {0, 3, 10});
    Compute();
    ASSERT_TRUE(m_trace.Start(7));  // no such graph: the first
    m_trace.Step(5);
    EXPECT_EQ(m_trace.Readout(), "x = 0.5; y = 0.5");
    m_trace.NextGraph(1);
    EXPECT_EQ(m_trace.Displayed(), 1);
    EXPECT_EQ(m_trace.Readout(), "x = 0.5; y = 1.5");
    m_trace.NextGraph(1);
    EXPECT_EQ(m_trace.Displayed(), 2);
    EXPECT_EQ(m_trace.Readout(), "t = 0.5; x = " + G10(0.5 * std::cos(0.5)) + "; y = " + G10(0.5 * std::sin(0.5)));
    m_trace.NextGraph(1);
    EXPECT_EQ(m_trace.Displayed(), 0);
    m_trace.NextGraph(-1);
    EXPECT_EQ(m_trace.Displayed(), 2);
}

TEST_F(GraphTraceTest, EndsOrFollowsItsGraphWhenTheDocumentChanges)
{
    const struct {
        const char* change;
        std::function<void(CCurvixDoc&)> apply;
        bool refresh;
        bool stillActive;
        std::string readout;
    } rows[] = {
        {"remove the traced graph", [](CCurvixDoc& d) { d.RemoveGraph(1); }, false, false, ""},
        {"remove it and refresh", [](CCurvixDoc& d) { d.RemoveGraph(1); }, true, false, ""},
        {"hide it", [](CCurvixDoc& d) { d.GetFirstGraph(); d.GetNextGraph()->hidden = true; }, false, false, ""},
        {"edit its formula", [](CCurvixDoc& d) { d.GetFirstGraph(); d.GetNextGraph()->expression = "x+1"; }, false, false, ""},
        {"new document", [](CCurvixDoc& d) { d.DeleteContents(); }, false, false, ""},
        {"recolour it and refresh", [](CCurvixDoc& d) { d.GetFirstGraph(); d.GetNextGraph()->color = 255; }, true, true,
         "x = 0.5; y = 1"},
        {"hide the graph before it and refresh", [](CCurvixDoc& d) { d.GetFirstGraph()->hidden = true; }, true, true,
         "x = 0.5; y = 1"},
        {"change its range and refresh", [](CCurvixDoc& d) {
             d.GetFirstGraph();
             GraphItem* g = d.GetNextGraph();
             g->advRange = {1, 2, 10};
         }, true, true, "x = 1; y = 2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        m_doc.RemoveAllGraphs();
        Add("x", KindYofX, {-2, 2, 10});
        Add("2*x", KindYofX, {-2, 2, 10});
        Compute();
        ASSERT_TRUE(m_trace.Start(1));
        m_trace.Step(5);
        row.apply(m_doc);
        if (row.refresh)
            Compute();
        EXPECT_EQ(m_trace.Revalidate(), row.stillActive);
        EXPECT_EQ(m_trace.IsActive(), row.stillActive);
        if (row.stillActive) {
            EXPECT_EQ(m_trace.Readout(), row.readout);
        }
        // Nothing an ended trace is asked reads the document.
        m_trace.Step(1);
        m_trace.NextGraph(1);
        m_trace.MoveToPointer(0, 0, 100, 100);
    }
}

TEST_F(GraphTraceTest, NothingToTraceWithoutAComputedGraph)
{
    EXPECT_FALSE(m_trace.Start(0));
    Add("x", KindYofX, {-2, 2, 10})->hidden = true;
    Compute();
    EXPECT_FALSE(m_trace.Start(0));
}

}  // namespace
