#include "view/SamplingRun.h"

#include "expr/CVariableTable.h"
#include "view/ComputationSink.h"
#include "base/ManualResetEvent.h"

#include <algorithm>
#include <new>
#include <system_error>
#include <thread>

namespace {

// Where a sample lies in slot and sample order.
std::int64_t PositionOf(int slot, std::int32_t sample)
{
    return (std::int64_t{slot} << 32) | sample;
}

}  // namespace

struct SamplingRun::Part {
    int slot;
    std::int32_t begin;
    std::int32_t end;
    double start;  // the argument at begin

    std::int64_t Position() const { return PositionOf(slot, begin); }
};

// Counts a part's samples as they are done, and ends the part once a slot
// or part before it has failed.
class SamplingRun::Worker : public SampleWatch {
public:
    Worker(SamplingRun& owner, std::int64_t partPosition) : m_computation(owner), m_position(partPosition) {}

    bool BlockDone(std::int32_t samples) override
    {
        m_computation.CountSamples(samples);
        return !m_computation.FailedBefore(m_position);
    }

private:
    SamplingRun& m_computation;
    const std::int64_t m_position;
};

SamplingRun::SamplingRun(std::vector<GraphPoints*> graphSlots, const ManualResetEvent& stopEvent,
                         ComputationSink& reports, unsigned threadCount)
    : m_targets(std::move(graphSlots)), m_stop(stopEvent), m_sink(reports), m_threads(std::max(1u, threadCount)),
      m_samplers(this->m_targets.size()), m_partsLeft(this->m_targets.size())
{
}

SamplingRun::~SamplingRun() = default;

unsigned SamplingRun::HardwareThreads()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

SamplingRun::Outcome SamplingRun::Run()
{
    Prepare();
    if (!m_parts.empty()) {
        const size_t helpers = std::min<size_t>(m_threads, m_parts.size()) - 1;
        std::vector<std::thread> pool;
        pool.reserve(helpers);
        for (size_t i = 0; i < helpers; ++i) {
            try {
                pool.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                break;  // fewer threads do the same work
            }
        }
        Work();
        for (std::thread& thread : pool)
            thread.join();
    }
    if (m_failure != Outcome::Computed)
        return m_failure;
    return m_stopped.load() ? Outcome::Stopped : Outcome::Computed;
}

void SamplingRun::Prepare()
{
    for (int i = 0; i < static_cast<int>(m_targets.size()); ++i) {
        GraphPoints& slot = *m_targets[static_cast<size_t>(i)];
        if (m_stop.IsSet()) {
            m_stopped = true;
            return;
        }
        if (slot.complete) {
            ++m_completeSlots;
            continue;
        }
        // The buffer is allocated here rather than on the user interface
        // thread, which would stall while gigabytes of pages are touched.
        if (!slot.HasPoints() && !slot.Allocate())
            return Fail(PositionOf(i, 0), i, std::nullopt);
        try {
            {
                std::lock_guard lock(theVariables.Lock());
                m_samplers[static_cast<size_t>(i)] = std::make_unique<GraphSampler>(slot);
            }
            AddParts(i, *m_samplers[static_cast<size_t>(i)]);
        } catch (const CExprException& why) {
            return Fail(PositionOf(i, 0), i, why);
        } catch (const std::bad_alloc&) {
            // Compiling can run out of memory too; the engine has a message for it.
            return Fail(PositionOf(i, 0), i, CExprException(1003, nullptr));
        }
    }
}

void SamplingRun::AddParts(int slot, const GraphSampler& sampler)
{
    const std::int32_t count = m_targets[static_cast<size_t>(slot)]->count;
    const std::vector<double> starts = sampler.PartStarts(kPartLength);
    for (size_t k = 0; k < starts.size(); ++k) {
        const auto begin = static_cast<std::int32_t>(k) * kPartLength;
        m_parts.push_back({slot, begin, std::min(count - begin, kPartLength) + begin, starts[k]});
        m_totalSamples += m_parts.back().end - begin;
    }
    m_partsLeft[static_cast<size_t>(slot)] = static_cast<std::int32_t>(starts.size());
    if (starts.empty()) {
        m_targets[static_cast<size_t>(slot)]->complete = true;
        ++m_completeSlots;
    }
}

// Takes parts in order until none is left, the stop event is set, or a
// part comes after a failure.
void SamplingRun::Work()
{
    for (;;) {
        const size_t next = m_nextPart.fetch_add(1);
        if (next >= m_parts.size())
            return;
        const Part& part = m_parts[next];
        if (FailedBefore(part.Position()))
            return;
        if (m_stop.IsSet() || !SamplePart(part)) {
            if (m_stop.IsSet())
                m_stopped = true;
            return;
        }
    }
}

bool SamplingRun::SamplePart(const Part& part)
{
    Worker watch(*this, part.Position());
    try {
        if (!m_samplers[static_cast<size_t>(part.slot)]->SamplePart(part.begin, part.end, part.start, m_stop, watch))
            return false;
    } catch (const CExprException& why) {
        Fail(part.Position(), part.slot, why);
        return false;
    }
    PartDone(part);
    return true;
}

void SamplingRun::PartDone(const Part& part)
{
    if (m_partsLeft[static_cast<size_t>(part.slot)].fetch_sub(1) == 1) {
        m_targets[static_cast<size_t>(part.slot)]->complete = true;
        ++m_completeSlots;
    }
}

void SamplingRun::Fail(std::int64_t position, int slot, std::optional<CExprException> why)
{
    std::lock_guard lock(m_failureLock);
    if (position >= m_failedAt.load())
        return;
    m_failedAt.store(position);
    m_failure = why ? Outcome::Failed : Outcome::NoMemory;
    m_failedSlot = slot;
    m_error = std::move(why);
}

void SamplingRun::CountSamples(std::int32_t samples)
{
    const std::int64_t done = m_samplesDone.fetch_add(samples) + samples;
    const int percent = static_cast<int>(done * 100 / m_totalSamples);
    if (percent <= m_reportedPercent.load(std::memory_order_relaxed) || percent >= 100)
        return;
    std::lock_guard lock(m_reportLock);
    if (percent <= m_reportedPercent.load(std::memory_order_relaxed))
        return;
    m_reportedPercent.store(percent, std::memory_order_relaxed);
    const int displayed = static_cast<int>(m_targets.size());
    m_sink.GraphProgress(percent, displayed, std::min(m_completeSlots.load(), displayed - 1));
}
