// The document's computation: which graphs are sampled again, cancellation,
// failures, refusals, and the worker's end.

#include "ComputationFixture.h"
#include "GraphSlots.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Computation : public ComputationFixture {
protected:
    const GraphPoints& SlotOf(const std::string& expression) const
    {
        for (int i = 0; i < doc.GetDisplayedCount(); ++i) {
            if (Slot(i).source.expression == expression)
                return Slot(i);
        }
        throw std::logic_error("no slot for " + expression);
    }
};

// Cancels when the graph in slot reaches half of its samples.
void CancelHalfway(RecordingSink& sink, CCurvixDoc& doc, int slot)
{
    sink.onProgress = [&doc, slot](int percent, int reportingSlot) {
        if (reportingSlot == slot && percent == 50)
            doc.GetStopEvent().Set();
    };
}

TEST_F(Computation, UnchangedGraphsAreNotSampledAgain)
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
        {"hide another", [](CCurvixDoc& doc) { doc.GetFirstGraph()->hidden = true; }, {}},
        {"expression", [](CCurvixDoc& doc) { doc.GetFirstGraph()->expression = "x+1"; }, {0}},
        {"own range", [](CCurvixDoc& doc) {
             GraphItem* graph = doc.GetFirstGraph();
             graph->useAdvanced = true;
             graph->advRange = {-1, 1, 100};
         }, {0}},
        {"coordinate system", [](CCurvixDoc& doc) { doc.coordSystem.precision = 100; }, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        doc.DeleteContents();
        Add("x");
        Add("x^2");
        Add("sin(x)");
        ASSERT_TRUE(Refresh());
        const ScaledPoint sine = Slot(2).points[1234];

        c.apply(doc);
        EXPECT_TRUE(doc.NeedsRecompute()) << c.change;
        RecordingSink again;
        ASSERT_TRUE(Refresh(again)) << c.change;
        EXPECT_EQ(again.SampledSlots(), c.sampled) << c.change;
        EXPECT_EQ(again.done, std::vector<bool>{true}) << c.change;
        EXPECT_FALSE(doc.NeedsRecompute()) << c.change;
        // Every displayed graph has the slot computed for its function.
        for (int i = 0; i < doc.GetDisplayedCount(); ++i) {
            EXPECT_TRUE(Slot(i).complete) << c.change;
            EXPECT_FALSE(Slot(i).source.Differs(doc.GetDisplayedGraph(i))) << c.change;
        }
        if (c.sampled.empty()) {
            EXPECT_EQ(SlotOf("sin(x)").points[1234].y, sine.y) << c.change;
        }
    }
}

TEST_F(Computation, CancellingKeepsFinishedGraphsAndResumesWithTheRest)
{
    Add("x");
    Add("x^2");
    Add("x^3");
    CancelHalfway(sink, doc, 1);
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(sink.done, std::vector<bool>{false});
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_FALSE(doc.IsComputed());
    EXPECT_TRUE(Slot(0).complete);
    EXPECT_FALSE(Slot(1).complete);
    EXPECT_FALSE(Slot(2).complete);
    EXPECT_EQ(sink.SampledSlots(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(doc.NeedsRecompute());

    RecordingSink again;
    ASSERT_TRUE(Refresh(again));
    EXPECT_EQ(again.SampledSlots(), (std::vector<int>{1, 2}));
    EXPECT_EQ(again.done, std::vector<bool>{true});
    EXPECT_TRUE(doc.IsComputed());
    EXPECT_EQ(Slot(1).points[0].y, 1280000);  // x^2 at -40, 800 units a world unit
}

TEST_F(Computation, AnEngineErrorEndsTheRunAndKeepsTheGraphsBeforeIt)
{
    Add("x");
    Add("x^2");
    Add("sin(x");
    Add("x^3");
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(sink.done, std::vector<bool>{false});
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_EQ(sink.errors[0].Code(), 1004);
    EXPECT_EQ(sink.errors[0].Message(), "[Syntax error] ')' expected.");
    EXPECT_TRUE(Slot(0).complete);
    EXPECT_TRUE(Slot(1).complete);
    EXPECT_FALSE(Slot(2).complete);
    EXPECT_FALSE(Slot(3).complete);
    EXPECT_FALSE(doc.IsComputed());
}

TEST_F(Computation, AtMostFifteenVisibleGraphs)
{
    for (int i = 0; i < 15; ++i)
        Add("x+" + std::to_string(i));
    EXPECT_FALSE(doc.CanShowAnotherGraph());
    GraphItem* sixteenth = Add("x+15");
    EXPECT_FALSE(doc.CollectDisplayedGraphs());
    EXPECT_EQ(doc.GetDisplayedCount(), 15);
    EXPECT_TRUE(doc.NeedsRecompute());

    sixteenth->hidden = true;
    Add("x+16")->hidden = true;
    EXPECT_FALSE(doc.CanShowAnotherGraph());
    doc.GetFirstGraph()->hidden = true;
    EXPECT_TRUE(doc.CanShowAnotherGraph());
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(sink.done, std::vector<bool>{true});
    EXPECT_EQ(doc.GetDisplayedCount(), 14);
}

TEST_F(Computation, NoVisibleGraphCompletesAtOnceWithoutAThread)
{
    Add("x")->hidden = true;
    ASSERT_TRUE(doc.CollectDisplayedGraphs());
    ASSERT_TRUE(doc.StartComputation(sink));
    EXPECT_FALSE(doc.IsComputing());
    EXPECT_EQ(sink.done, std::vector<bool>{true});
    EXPECT_TRUE(doc.IsComputed());
    EXPECT_FALSE(doc.NeedsRecompute());
}

TEST_F(Computation, DuplicateGraphsEachKeepASlot)
{
    Add("x^2");
    Add("x ^ 2");
    Add("x");
    ASSERT_TRUE(Refresh());
    doc.RemoveGraph(2);
    Add("x^2");
    RecordingSink again;
    ASSERT_TRUE(Refresh(again));
    EXPECT_EQ(again.SampledSlots(), std::vector<int>{2});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Slot(i).points[0].y, 1280000) << i;
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
        {"more samples than memory", [](CCurvixDoc& doc) {
             GraphItem* graph = doc.GetFirstGraph();
             graph->kind = KindPolar;
             graph->useAdvanced = true;
             graph->advRange = {0, 1e12, 3200};
         }, {3190, 3002}},
        {"no worker", [](CCurvixDoc& doc) { doc.SetGraphWorker(nullptr); }, {3002}},
    };
    for (const Case& c : cases) {
        doc.DeleteContents();
        doc.SetGraphWorker(ComputeGraphsThread);
        Add("x");
        ASSERT_TRUE(Refresh());
        c.apply(doc);
        RecordingSink again;
        EXPECT_FALSE(Refresh(again)) << c.what;
        EXPECT_EQ(doc.StartFailureMessages(), c.messages) << c.what;
        EXPECT_TRUE(again.done.empty()) << c.what;
        EXPECT_FALSE(doc.IsComputing()) << c.what;
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
    EXPECT_EQ(table.Slot(1).count, 201);
    // Reused buffers need no memory.
    ASSERT_TRUE(table.Prepare(cs, 0));
    EXPECT_TRUE(table.Slot(1).HasPoints());
}

TEST_F(Computation, NewDuringAComputationStopsAndWaits)
{
    Add("x");
    doc.coordSystem.precision = 3200;
    doc.zoomX = 250;
    ManualResetEvent reached;
    sink.onProgress = [&](int, int) {
        reached.Set();
        doc.GetStopEvent().Wait();
    };
    ASSERT_TRUE(doc.CollectDisplayedGraphs());
    ASSERT_TRUE(doc.StartComputation(sink));
    reached.Wait();
    EXPECT_TRUE(doc.IsComputing());
    // A second start is refused and leaves the running worker its sink.
    RecordingSink second;
    EXPECT_FALSE(doc.StartComputation(second));
    EXPECT_EQ(doc.StartFailureMessages(), std::vector<unsigned>{3002});
    doc.OnNewDocument();
    EXPECT_FALSE(doc.IsComputing());
    EXPECT_EQ(sink.done, std::vector<bool>{false});
    EXPECT_TRUE(second.done.empty());
    EXPECT_EQ(doc.GetGraphCount(), 0);
    EXPECT_EQ(doc.GetDisplayedCount(), 0);
    EXPECT_FALSE(Slot(0).HasPoints());
    EXPECT_EQ(doc.zoomX, 100);
    EXPECT_FALSE(doc.coordSystem.Differs(settings.defaultCoordSystem));
}

}  // namespace
