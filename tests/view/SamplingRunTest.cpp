// Sampling on several threads: the samples of any number of threads are
// the samples of one; progress, failures and cancelling keep their meaning.

#include "expr/CVariableTable.h"
#include "view/SamplingRun.h"
#include "ViewTestSupport.h"

#include <chrono>
#include <cstring>
#include <mutex>
#include <random>
#include <thread>

namespace {

class SamplingRunTest : public ComputationFixture {
protected:
    // Every kind, several parts each: the kinds that accumulate their step
    // start their parts from sums of steps.
    void AddGraphsOfEveryKind()
    {
        m_doc.coordSystem.left = m_doc.coordSystem.bottom = -10;
        m_doc.coordSystem.right = m_doc.coordSystem.top = 10;
        m_doc.coordSystem.precision = 3200;
        Add("sin(3y)*y/2+less(y,0)", KindXofY);
        Add("cos(3t)*t/7", KindParametric, {-30, 30, 3200}, "sin(2.9t)*t/7");
        Add("150000-t", KindPolar, {0, 60, 3200});  // far out: the raw angle shows
        Add("1/(x-0.3)+x^x-0x^400", KindYofX, {-20, 20, 6400});
        Add("x^2");
    }

    // The samples of every slot, one after the other.
    std::vector<ScaledPoint> Samples() const
    {
        std::vector<ScaledPoint> all;
        for (int i = 0; i < m_computation.DisplayedCount(); ++i)
            all.insert(all.end(), Slot(i).points.get(), Slot(i).points.get() + Slot(i).count);
        return all;
    }

    // Every slot sampled by one run over the whole of it, as one part.
    std::vector<ScaledPoint> WholeSlotSamples()
    {
        class NoWatch : public SampleWatch {
        public:
            bool BlockDone(std::int32_t) override { return true; }
        } watch;
        const ManualResetEvent stop;
        for (int i = 0; i < m_computation.DisplayedCount(); ++i) {
            GraphPoints& slot = m_computation.Points(i);
            std::unique_lock lock(theVariables.Lock());
            const GraphSampler sampler(slot);
            lock.unlock();
            EXPECT_TRUE(sampler.SamplePart(0, slot.count, slot.ArgumentAt(0), stop, watch));
        }
        return Samples();
    }

    // Computes every graph again.
    void RefreshAll(RecordingSink& to)
    {
        for (int i = 0; i < m_computation.DisplayedCount(); ++i)
            m_computation.Points(i).complete = false;
        ASSERT_TRUE(Refresh(to));
        ASSERT_EQ(to.done, std::vector<bool>{true});
    }

    static bool SameSamples(const ScaledPoint* a, const ScaledPoint* b, std::int32_t count)
    {
        return std::memcmp(a, b, sizeof(ScaledPoint) * static_cast<size_t>(count)) == 0;
    }
};

TEST_F(SamplingRunTest, AnyNumberOfThreadsGivesTheSamplesOfOneRun)
{
    AddGraphsOfEveryKind();
    RecordingSink first;
    ASSERT_TRUE(Refresh(first));
    const std::vector<ScaledPoint> reference = WholeSlotSamples();
    ASSERT_GT(Slot(2).count, 6 * SamplingRun::kPartLength);
    for (const unsigned threads : {1u, 2u, 3u, 8u}) {
        m_computation.SetThreads(threads);
        RecordingSink many;
        RefreshAll(many);
        const std::vector<ScaledPoint> samples = Samples();
        ASSERT_EQ(samples.size(), reference.size());
        EXPECT_TRUE(SameSamples(samples.data(), reference.data(), static_cast<std::int32_t>(samples.size())));
    }
}

// The percent grows by whole steps below 100; the counter of complete
// graphs never falls and never reaches the number of graphs.
TEST_F(SamplingRunTest, ProgressCountsAllSamplesAndCompleteGraphs)
{
    AddGraphsOfEveryKind();
    m_computation.SetThreads(4);
    std::vector<int> completes;
    m_sink.onProgress = [&](int, int complete) { completes.push_back(complete); };
    ASSERT_TRUE(Refresh(m_sink));
    ASSERT_GT(m_sink.percents.size(), 50u);
    EXPECT_GE(m_sink.percents.front(), 1);
    EXPECT_LE(m_sink.percents.back(), 99);
    EXPECT_TRUE(std::is_sorted(m_sink.percents.begin(), m_sink.percents.end(), std::less_equal<int>()));
    EXPECT_TRUE(std::is_sorted(completes.begin(), completes.end()));
    EXPECT_LT(completes.back(), m_computation.DisplayedCount());
    EXPECT_GT(completes.back(), 0);
}

// An error ends the run where a run in slot order ends it: the first
// failing slot, at its first failing sample, names the error; the slots
// before it are complete, whatever the threads did meanwhile.
TEST_F(SamplingRunTest, AnErrorEndsTheRunAsInSlotOrder)
{
    const struct {
        const char* what;
        std::vector<const char*> graphs;
        int failed;
        int code;
    } rows[] = {
        {"a large graph before the failing one", {"x^2", "sin(x,1)"}, 1, 1017},
        // The first graph fails only right of 0, half way through its parts;
        // the second fails at once.
        {"the earlier slot's later failure", {"ln(x)+sin(x,1)", "pow(x)"}, 0, 1017},
        {"an error while compiling", {"x^3", "x^2", "(x"}, 2, 1004},
    };
    for (const auto& row : rows) {
        for (const unsigned threads : {1u, 2u, 8u}) {
            SCOPED_TRACE(row.what);
            NewContents();
            m_doc.coordSystem.precision = 3200;
            for (const char* graph : row.graphs)
                Add(graph);
            m_computation.SetThreads(threads);
            RecordingSink failing;
            ASSERT_TRUE(Refresh(failing));
            ASSERT_EQ(failing.failures.size(), 1u);
            ASSERT_TRUE(failing.failures[0].Error());
            EXPECT_EQ(failing.failures[0].Error()->Code(), row.code);
            EXPECT_EQ(failing.failures[0].Graph(), row.failed);
            for (int i = 0; i <= row.failed; ++i)
                EXPECT_EQ(Slot(i).complete, i < row.failed) << i;
        }
    }
}

// A stop that comes before any part is taken computes nothing and says so.
TEST(GraphComputationAlone, AStopBeforeTheStartComputesNothing)
{
    [[maybe_unused]] static const bool started = (InitExpressionEngine(), true);
    GraphPoints slots[2];
    for (GraphPoints& slot : slots) {
        slot.source.expression = "x";
        slot.source.range = {-1, 1, 100};
        slot.UpdatePointCount();
    }
    ManualResetEvent stop;
    stop.Set();
    RecordingSink sink;
    for (const unsigned threads : {1u, 4u}) {
        SamplingRun computation({&slots[0], &slots[1]}, stop, sink, threads);
        EXPECT_EQ(computation.Run(), SamplingRun::Outcome::Stopped);
        EXPECT_FALSE(slots[0].complete || slots[1].complete);
    }
    EXPECT_TRUE(sink.percents.empty());
}

// The user interface thread starts, cancels and restarts the computation
// again and again at random moments: every graph complete after a cancel
// has the samples of an uninterrupted run, and the restarts end with all.
TEST_F(SamplingRunTest, StartCancelAndRestartInALoop)
{
    AddGraphsOfEveryKind();
    RecordingSink full;
    RefreshAll(full);
    const std::vector<ScaledPoint> reference = Samples();
    std::vector<size_t> offsets;
    for (int i = 0, offset = 0; i < m_computation.DisplayedCount(); offset += Slot(i++).count)
        offsets.push_back(static_cast<size_t>(offset));

    for (int i = 0; i < m_computation.DisplayedCount(); ++i)
        m_computation.Points(i).complete = false;
    std::mt19937 random(3);
    int cancelled = 0;
    bool finished = false;
    for (int round = 0; round < 40 && !finished; ++round) {
        RecordingSink roundSink;
        ASSERT_TRUE(m_computation.Collect(m_doc));
        ASSERT_TRUE(m_computation.Start(m_doc, roundSink));
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 4000)(random)));
        m_computation.StopEvent().Set();
        ASSERT_TRUE(m_computation.Wait(WorkerThread::kInfinite, {}));
        ASSERT_EQ(roundSink.done.size(), 1u);
        finished = roundSink.done[0];
        cancelled += finished ? 0 : 1;
        EXPECT_TRUE(roundSink.failures.empty());
        for (int i = 0; i < m_computation.DisplayedCount(); ++i) {
            const bool same = SameSamples(Slot(i).points.get(), &reference[offsets[static_cast<size_t>(i)]], Slot(i).count);
            EXPECT_TRUE(!Slot(i).complete || same) << "round " << round << ", graph " << i;
        }
    }
    EXPECT_GT(cancelled, 0);
    RecordingSink last;
    ASSERT_TRUE(Refresh(last));
    EXPECT_EQ(last.done, std::vector<bool>{true});
    EXPECT_EQ(Samples().size(), reference.size());
    EXPECT_TRUE(SameSamples(Samples().data(), reference.data(), static_cast<std::int32_t>(reference.size())));
}

}  // namespace
