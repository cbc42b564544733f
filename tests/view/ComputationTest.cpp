// Which graphs are sampled again, cancellation, failures, refusals, New,
// and where the sample buffers are allocated.

#include "view/GraphSlots.h"
#include "base/ManualResetEvent.h"
#include "StringTable.h"
#include "ViewTestSupport.h"

#include <limits>

namespace {

std::string Text(StringId id)
{
    return LoadAppString(id);
}

// A message about a graph, as the program words it.
std::string AboutGraph(const std::string& equation, const std::string& message)
{
    return "Graph:\n" + equation + "\n\n" + message;
}

using Computation = ComputationFixture;

TEST_F(Computation, OnlyChangedGraphsAreSampledAgain)
{
    struct Case {
        const char* change;
        void (*apply)(CCurvixDoc& doc);
        std::vector<int> sampled;
    } const cases[] = {
        {"colour", [](CCurvixDoc& changed) { changed.GetFirstGraph()->color = 0xFF; }, {}},
        {"order", [](CCurvixDoc& changed) {
             const GraphItem first = *changed.GetFirstGraph();
             changed.RemoveGraph(0);
             changed.AddGraph(first);
         }, {}},
        {"expression", [](CCurvixDoc& changed) { changed.GetFirstGraph()->expression = "x+1"; }, {0}},
        {"duplicate", [](CCurvixDoc& changed) {  // each copy of a graph has its own slot
             changed.GetFirstGraph();
             const GraphItem square = *changed.GetNextGraph();
             changed.RemoveGraph(2);
             changed.AddGraph(square);
         }, {2}},
        {"coordinate system", [](CCurvixDoc& changed) { changed.coordSystem.precision = 100; }, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        NewContents();
        Add("x");
        Add("x^2");
        Add("sin(x)");
        ASSERT_TRUE(Refresh(m_sink));
        c.apply(m_doc);
        EXPECT_TRUE(m_computation.NeedsRecompute(m_doc));
        RecordingSink again;
        EXPECT_EQ(RefreshListingSampled(again), c.sampled);
        EXPECT_EQ(again.done, std::vector<bool>{true});
        EXPECT_FALSE(m_computation.NeedsRecompute(m_doc));
        // Every displayed graph has the slot computed for its function.
        for (int i = 0; i < m_computation.DisplayedCount(); ++i) {
            EXPECT_TRUE(Slot(i).complete);
            EXPECT_FALSE(Slot(i).source.Differs(m_computation.DisplayedGraph(i)));
        }
    }
}

// On one thread the graphs are computed in order: the stop comes once the
// first graph is complete, in the second one's first block.
TEST_F(Computation, CancellingKeepsFinishedGraphsAndResumesWithTheRest)
{
    m_computation.SetThreads(1);  // the graphs in order, the reports in order
    Add("x");
    Add("x^2");
    Add("x^3");
    m_sink.onProgress = [this](int, int complete) {
        if (complete == 1)
            m_computation.StopEvent().Set();
    };
    ASSERT_TRUE(Refresh(m_sink));
    EXPECT_EQ(m_sink.done, std::vector<bool>{false});
    EXPECT_TRUE(m_sink.failures.empty());
    EXPECT_TRUE(Slot(0).complete);
    EXPECT_FALSE(Slot(1).complete);
    EXPECT_FALSE(Slot(2).complete);
    EXPECT_TRUE(m_computation.NeedsRecompute(m_doc));

    RecordingSink again;
    EXPECT_EQ(RefreshListingSampled(again), (std::vector<int>{1, 2}));
    EXPECT_EQ(again.done, std::vector<bool>{true});
    EXPECT_EQ(Slot(1).points[0].y, 1280000);  // x^2 at -40, 800 units a world unit
}

TEST_F(Computation, AnEngineErrorEndsTheRunAndKeepsTheGraphsBeforeIt)
{
    Add("x")->hidden = true;  // not displayed: the failing graph is the third displayed one
    for (const char* expression : {"x", "x^2", "sin(x", "x^3"})
        Add(expression);
    ASSERT_TRUE(Refresh(m_sink));
    EXPECT_EQ(m_sink.done, std::vector<bool>{false});
    ASSERT_EQ(m_sink.failures.size(), 1u);
    const ComputationFailure& failure = m_sink.failures[0];
    ASSERT_TRUE(failure.Error());
    EXPECT_EQ(failure.Error()->Code(), 1004);
    EXPECT_EQ(failure.Graph(), 2);
    EXPECT_EQ(m_computation.ListPositionOfDisplayed(m_doc, failure.Graph()), 3);
    EXPECT_EQ(failure.Texts(), std::vector<std::string>{AboutGraph("y = sin(x", failure.Error()->Message())});
    EXPECT_EQ((std::vector<bool>{Slot(0).complete, Slot(1).complete, Slot(2).complete, Slot(3).complete}),
              (std::vector<bool>{true, true, false, false}));
    EXPECT_FALSE(m_computation.IsComputed());
}

TEST_F(Computation, AtMostFifteenVisibleGraphs)
{
    for (int i = 0; i < 16; ++i)
        Add("x+" + std::to_string(i));
    EXPECT_FALSE(m_computation.Collect(m_doc));
    m_doc.GetFirstGraph()->hidden = true;
    EXPECT_FALSE(m_doc.CanShowAnotherGraph());
    ASSERT_TRUE(Refresh(m_sink));
    EXPECT_EQ(m_sink.done, std::vector<bool>{true});
    EXPECT_EQ(m_computation.DisplayedCount(), 15);
}

TEST_F(Computation, NoVisibleGraphCompletesAtOnceWithoutAThread)
{
    Add("x")->hidden = true;
    ASSERT_TRUE(m_computation.Collect(m_doc));
    ASSERT_TRUE(m_computation.Start(m_doc, m_sink));
    EXPECT_FALSE(m_computation.IsComputing());
    EXPECT_EQ(m_sink.done, std::vector<bool>{true});
    EXPECT_FALSE(m_computation.NeedsRecompute(m_doc));
}

TEST_F(Computation, RefusalsTellWhatToShow)
{
    const std::string tooLong(256, '1');
    struct Case {
        const char* what;
        std::function<void(CCurvixDoc&)> apply;
        std::vector<std::string> texts;
        int graph;
    } const cases[] = {
        {"polar range too large", [](CCurvixDoc& changed) { changed.coordSystem.polarRange = {0, 10, 3200}; },
         {Text(StringId::CoordSystemTooLarge)}, -1},
        {"edges too large", [](CCurvixDoc& changed) { changed.coordSystem.left = -1e9; },
         {Text(StringId::CoordSystemTooLarge)}, -1},
        {"own range too large", [](CCurvixDoc& changed) {
             GraphItem* graph = changed.GetFirstGraph();
             graph->kind = KindPolar;
             graph->useAdvanced = true;
             graph->advRange = {0, 1e12, 3200};
         }, {AboutGraph("r = x", Text(StringId::CoordSystemTooLarge))}, 0},
        {"formula too long",
         [&](CCurvixDoc& changed) { changed.AddGraph(*changed.GetFirstGraph())->expression = tooLong; },
         {AboutGraph("y = " + tooLong.substr(0, 255) + "...", Text(StringId::FormulaTooLong))}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewContents();
        Add("x");
        ASSERT_TRUE(Refresh(m_sink));
        c.apply(m_doc);
        RecordingSink again;
        EXPECT_FALSE(Refresh(again));
        EXPECT_EQ(m_computation.StartFailure().Texts(), c.texts);
        EXPECT_EQ(m_computation.StartFailure().Graph(), c.graph);
        EXPECT_TRUE(again.done.empty());
        EXPECT_FALSE(m_computation.IsComputing());
        if (c.graph >= 0) {
            EXPECT_FALSE(Slot(0).HasPoints()) << "refusing a graph frees every slot";
        }
    }
}

// Each case refreshes a document of graphs over their own ranges against a
// given amount of memory: the first graph past the budget is refused
// before anything is allocated.
TEST(GraphSlotsTest, RefusesTheFirstGraphPastTheSampleBudget)
{
    const auto graph = [](GraphKind kind, ArgRange own, bool timesPi = false, std::string text = "1") {
        GraphItem item;
        item.kind = kind;
        item.expression = text;
        item.expression2 = text;
        item.useAdvanced = own.precision != 0;
        item.advRange = own;
        item.advTimesPi = timesPi;
        return item;
    };
    const double unlimited = std::numeric_limits<double>::infinity();
    const GraphItem plain = graph(KindYofX, {});  // the coordinate system's -1 to 1 at 100: 201 samples
    const GraphItem wide = graph(KindPolar, {0, 60000, 3200});  // 192,000,001 samples
    const std::string longest(255, '1');
    const std::string tooLong(256, '1');
    const auto TooLarge = [](int refused) { return GraphSlots::Refusal{refused, StringId::CoordSystemTooLarge}; };
    const struct {
        const char* what;
        std::list<GraphItem> graphs;
        double availableBytes;
        std::optional<GraphSlots::Refusal> refusal;
    } rows[] = {
        {"buffers fit", {plain, plain}, 2 * 201 * 8, std::nullopt},
        {"one byte short", {plain, plain}, 2 * 201 * 8 - 1, TooLarge(1)},
        {"two wide graphs", {wide, wide}, unlimited, std::nullopt},
        {"a third one passes the ceiling", {plain, wide, wide, wide}, unlimited, TooLarge(3)},
        {"pi counts", {graph(KindPolar, {0, 60000, 3200}, true)}, unlimited, TooLarge(0)},
        {"one graph past the ceiling", {graph(KindParametric, {0, 200000, 3200})}, unlimited,
         TooLarge(0)},
        {"count beyond 32 bits", {graph(KindPolar, {0, 1e12, 3200})}, unlimited, TooLarge(0)},
        {"longest formula", {graph(KindParametric, {}, false, longest)}, unlimited, std::nullopt},
        {"formula too long, before the size", {plain, graph(KindPolar, {0, 1e12, 3200}, false, tooLong)}, unlimited,
         GraphSlots::Refusal{1, StringId::FormulaTooLong}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        GraphSlots table;
        ASSERT_TRUE(table.Collect(row.graphs));
        const std::optional<GraphSlots::Refusal> refusal = table.Prepare(CoordSystem(), row.availableBytes);
        ASSERT_EQ(refusal.has_value(), row.refusal.has_value());
        if (refusal) {
            EXPECT_EQ(refusal->graph, row.refusal->graph);
            EXPECT_EQ(refusal->message, row.refusal->message);
        }
        for (int i = 0; i < table.DisplayedCount(); ++i)
            EXPECT_FALSE(table.Slot(i).HasPoints());
    }
}

TEST(GraphSlotsTest, KeptBuffersNeedNoMemory)
{
    GraphItem graph;
    graph.expression = "x";
    GraphSlots table;
    const CoordSystem cs;
    ASSERT_TRUE(table.Collect({graph, graph}));
    ASSERT_FALSE(table.Prepare(cs, 2 * 201 * 8));
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(table.Slot(i).Allocate());  // as the worker does
    EXPECT_FALSE(table.Prepare(cs, 0));
    EXPECT_TRUE(table.Slot(1).HasPoints());
}

// The user interface thread neither allocates nor fills a buffer: what the
// worker finds in slot 0 when it starts is the slot as preparing left it.
// The worker allocates a new buffer, and a buffer kept from a cancelled run
// reaches it as that run left it.
TEST_F(Computation, TheWorkerAllocatesAndFillsTheBuffers)
{
    Add("x^2");
    const auto refreshFromPrepared = [this](RecordingSink& to) {
        EXPECT_TRUE(m_computation.Collect(m_doc) && m_computation.Prepare(m_doc));
        const GraphPoints& found = Slot(0);
        const bool hadPoints = found.HasPoints();
        const ScaledPoint first = hadPoints ? found.points[0] : ScaledPoint{};
        EXPECT_TRUE(Refresh(to));
        return std::pair{hadPoints, first};
    };
    m_sink.onProgress = [this](int, int) { m_computation.StopEvent().Set(); };
    EXPECT_FALSE(refreshFromPrepared(m_sink).first);
    ASSERT_FALSE(Slot(0).complete);
    const ScaledPoint left = Slot(0).points[0];
    EXPECT_EQ(left.y, 1280000);  // x^2 at -40, 800 units a world unit

    RecordingSink again;
    const auto [hadPoints, first] = refreshFromPrepared(again);
    EXPECT_TRUE(Slot(0).complete);
    EXPECT_TRUE(hadPoints);
    EXPECT_EQ(first.x, left.x);
    EXPECT_EQ(first.y, left.y);
}

TEST_F(Computation, NewDuringAComputationStopsAndWaits)
{
    Add("x");
    m_doc.coordSystem.precision = 3200;
    ManualResetEvent reached;
    m_sink.onProgress = [&](int, int) {
        reached.Set();
        m_computation.StopEvent().Wait();
    };
    ASSERT_TRUE(m_computation.Collect(m_doc));
    ASSERT_TRUE(m_computation.Start(m_doc, m_sink));
    reached.Wait();
    // A second start is refused and leaves the running worker its sink.
    RecordingSink second;
    EXPECT_FALSE(m_computation.Start(m_doc, second));
    EXPECT_EQ(m_computation.StartFailure().Texts(), std::vector<std::string>{Text(StringId::CannotStartComputation)});
    m_doc.OnNewDocument();
    m_computation.Reset(m_settings.defaultCoordSystem);
    EXPECT_FALSE(m_computation.IsComputing());
    EXPECT_EQ(m_sink.done, std::vector<bool>{false});
    EXPECT_TRUE(second.done.empty());
    EXPECT_EQ(m_computation.DisplayedCount(), 0);
    EXPECT_FALSE(Slot(0).HasPoints());
}

}  // namespace
