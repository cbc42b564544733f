// Which graphs are sampled again, cancellation, failures, refusals, New.

#include "GraphSlots.h"
#include "ManualResetEvent.h"
#include "ViewTestSupport.h"

namespace {

using Computation = ComputationFixture;

TEST_F(Computation, OnlyChangedGraphsAreSampledAgain)
{
    struct Case {
        const char* change;
        void (*apply)(CCurvixDoc& doc);
        std::vector<int> sampled;
    } const cases[] = {
        {"colour", [](CCurvixDoc& doc) { doc.GetFirstGraph()->color = 0xFF; }, {}},
        {"order", [](CCurvixDoc& doc) {
             const GraphItem first = *doc.GetFirstGraph();
             doc.RemoveGraph(0);
             doc.AddGraph(first);
         }, {}},
        {"expression", [](CCurvixDoc& doc) { doc.GetFirstGraph()->expression = "x+1"; }, {0}},
        {"duplicate", [](CCurvixDoc& doc) {  // each copy of a graph has its own slot
             doc.GetFirstGraph();
             const GraphItem square = *doc.GetNextGraph();
             doc.RemoveGraph(2);
             doc.AddGraph(square);
         }, {2}},
        {"coordinate system", [](CCurvixDoc& doc) { doc.coordSystem.precision = 100; }, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        doc.DeleteContents();
        Add("x");
        Add("x^2");
        Add("sin(x)");
        ASSERT_TRUE(Refresh(sink));
        c.apply(doc);
        EXPECT_TRUE(doc.NeedsRecompute());
        RecordingSink again;
        ASSERT_TRUE(Refresh(again));
        EXPECT_EQ(again.sampled, c.sampled);
        EXPECT_EQ(again.done, std::vector<bool>{true});
        EXPECT_FALSE(doc.NeedsRecompute());
        // Every displayed graph has the slot computed for its function.
        for (int i = 0; i < doc.GetDisplayedCount(); ++i) {
            EXPECT_TRUE(Slot(i).complete);
            EXPECT_FALSE(Slot(i).source.Differs(doc.GetDisplayedGraph(i)));
        }
    }
}

TEST_F(Computation, CancellingKeepsFinishedGraphsAndResumesWithTheRest)
{
    Add("x");
    Add("x^2");
    Add("x^3");
    sink.onProgress = [this](int percent, int slot) {
        if (slot == 1 && percent == 50)
            doc.GetStopEvent().Set();
    };
    ASSERT_TRUE(Refresh(sink));
    EXPECT_EQ(sink.done, std::vector<bool>{false});
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_TRUE(Slot(0).complete);
    EXPECT_FALSE(Slot(1).complete);
    EXPECT_TRUE(doc.NeedsRecompute());

    RecordingSink again;
    ASSERT_TRUE(Refresh(again));
    EXPECT_EQ(again.sampled, (std::vector<int>{1, 2}));
    EXPECT_EQ(again.done, std::vector<bool>{true});
    EXPECT_EQ(Slot(1).points[0].y, 1280000);  // x^2 at -40, 800 units a world unit
}

TEST_F(Computation, AnEngineErrorEndsTheRunAndKeepsTheGraphsBeforeIt)
{
    for (const char* expression : {"x", "x^2", "sin(x", "x^3"})
        Add(expression);
    ASSERT_TRUE(Refresh(sink));
    EXPECT_EQ(sink.done, std::vector<bool>{false});
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_EQ(sink.errors[0].Code(), 1004);
    EXPECT_EQ((std::vector<bool>{Slot(0).complete, Slot(1).complete, Slot(2).complete, Slot(3).complete}),
              (std::vector<bool>{true, true, false, false}));
    EXPECT_FALSE(doc.IsComputed());
}

TEST_F(Computation, AtMostFifteenVisibleGraphs)
{
    for (int i = 0; i < 16; ++i)
        Add("x+" + std::to_string(i));
    EXPECT_FALSE(doc.CollectDisplayedGraphs());
    doc.GetFirstGraph()->hidden = true;
    EXPECT_FALSE(doc.CanShowAnotherGraph());
    ASSERT_TRUE(Refresh(sink));
    EXPECT_EQ(sink.done, std::vector<bool>{true});
    EXPECT_EQ(doc.GetDisplayedCount(), 15);
}

TEST_F(Computation, NoVisibleGraphCompletesAtOnceWithoutAThread)
{
    Add("x")->hidden = true;
    ASSERT_TRUE(doc.CollectDisplayedGraphs());
    ASSERT_TRUE(doc.StartComputation(sink));
    EXPECT_FALSE(doc.IsComputing());
    EXPECT_EQ(sink.done, std::vector<bool>{true});
    EXPECT_FALSE(doc.NeedsRecompute());
}

TEST_F(Computation, RefusalsTellWhatToShow)
{
    struct Case {
        const char* what;
        void (*apply)(CCurvixDoc& doc);
        std::vector<unsigned> messages;
    } const cases[] = {
        {"polar range too large", [](CCurvixDoc& doc) { doc.coordSystem.polarRange = {0, 10, 3200}; }, {3142}},
        {"edges too large", [](CCurvixDoc& doc) { doc.coordSystem.left = -1e9; }, {3142}},
        {"count beyond 32 bits", [](CCurvixDoc& doc) {
             GraphItem* graph = doc.GetFirstGraph();
             graph->kind = KindPolar;
             graph->useAdvanced = true;
             graph->advRange = {0, 1e12, 3200};
         }, {3190, 3002}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.DeleteContents();
        Add("x");
        ASSERT_TRUE(Refresh(sink));
        c.apply(doc);
        RecordingSink again;
        EXPECT_FALSE(Refresh(again));
        EXPECT_EQ(doc.StartFailureMessages(), c.messages);
        EXPECT_TRUE(again.done.empty());
        EXPECT_FALSE(doc.IsComputing());
    }
}

TEST(GraphSlotsTest, BuffersThatDoNotFitFreeEverySlot)
{
    GraphItem graph;
    graph.expression = "x";
    GraphSlots table;
    const CoordSystem cs;  // -1 to 1 at precision 100: 201 samples
    ASSERT_TRUE(table.Collect({graph, graph}));
    EXPECT_FALSE(table.Prepare(cs, 2 * 201 * 8 - 1));
    EXPECT_FALSE(table.Slot(0).HasPoints());
    ASSERT_TRUE(table.Prepare(cs, 2 * 201 * 8));
    ASSERT_TRUE(table.Prepare(cs, 0)) << "reused buffers need no memory";
    EXPECT_TRUE(table.Slot(1).HasPoints());
}

TEST_F(Computation, NewDuringAComputationStopsAndWaits)
{
    Add("x");
    doc.coordSystem.precision = 3200;
    ManualResetEvent reached;
    sink.onProgress = [&](int, int) {
        reached.Set();
        doc.GetStopEvent().Wait();
    };
    ASSERT_TRUE(doc.CollectDisplayedGraphs());
    ASSERT_TRUE(doc.StartComputation(sink));
    reached.Wait();
    // A second start is refused and leaves the running worker its sink.
    RecordingSink second;
    EXPECT_FALSE(doc.StartComputation(second));
    EXPECT_EQ(doc.StartFailureMessages(), std::vector<unsigned>{3002});
    doc.OnNewDocument();
    EXPECT_FALSE(doc.IsComputing());
    EXPECT_EQ(sink.done, std::vector<bool>{false});
    EXPECT_TRUE(second.done.empty());
    EXPECT_EQ(doc.GetDisplayedCount(), 0);
    EXPECT_FALSE(Slot(0).HasPoints());
}

}  // namespace
