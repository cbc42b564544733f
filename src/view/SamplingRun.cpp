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
    Worker(SamplingRun& owner, std::int64_t partPosition) : computation(owner), position(partPosition) {}

    bool BlockDone(std::int32_t samples) override
    {
        computation.CountSamples(samples);
        return !computation.FailedBefore(position);
    }

private:
    SamplingRun& computation;
    const std::int64_t position;
};

SamplingRun::SamplingRun(std::vector<GraphPoints*> graphSlots, const ManualResetEvent& stopEvent,
                         ComputationSink& reports, unsigned threadCount)
    : targets(std::move(graphSlots)), stop(stopEvent), sink(reports), threads(std::max(1u, threadCount)),
      samplers(this->targets.size()), partsLeft(this->targets.size())
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
    if (!parts.empty()) {
        const size_t helpers = std::min<size_t>(threads, parts.size()) - 1;
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
    if (failure != Outcome::Computed)
        return failure;
    return stopped.load() ? Outcome::Stopped : Outcome::Computed;
}

void SamplingRun::Prepare()
{
    for (int i = 0; i < static_cast<int>(targets.size()); ++i) {
        GraphPoints& slot = *targets[static_cast<size_t>(i)];
        if (stop.IsSet()) {
            stopped = true;
            return;
        }
        if (slot.complete) {
            ++completeSlots;
            continue;
        }
        // The buffer is allocated here rather than on the user interface
        // thread, which would stall while gigabytes of pages are touched.
        if (!slot.HasPoints() && !slot.Allocate())
            return Fail(PositionOf(i, 0), i, std::nullopt);
        try {
            {
                std::lock_guard lock(theVariables.Lock());
                samplers[static_cast<size_t>(i)] = std::make_unique<GraphSampler>(slot);
            }
            AddParts(i, *samplers[static_cast<size_t>(i)]);
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
    const std::int32_t count = targets[static_cast<size_t>(slot)]->count;
    const std::vector<double> starts = sampler.PartStarts(kPartLength);
    for (size_t k = 0; k < starts.size(); ++k) {
        const auto begin = static_cast<std::int32_t>(k) * kPartLength;
        parts.push_back({slot, begin, std::min(count - begin, kPartLength) + begin, starts[k]});
        totalSamples += parts.back().end - begin;
    }
    partsLeft[static_cast<size_t>(slot)] = static_cast<std::int32_t>(starts.size());
    if (starts.empty()) {
        targets[static_cast<size_t>(slot)]->complete = true;
        ++completeSlots;
    }
}

// Takes parts in order until none is left, the stop event is set, or a
// part comes after a failure.
void SamplingRun::Work()
{
    for (;;) {
        const size_t next = nextPart.fetch_add(1);
        if (next >= parts.size())
            return;
        const Part& part = parts[next];
        if (FailedBefore(part.Position()))
            return;
        if (stop.IsSet() || !SamplePart(part)) {
            if (stop.IsSet())
                stopped = true;
            return;
        }
    }
}

bool SamplingRun::SamplePart(const Part& part)
{
    Worker watch(*this, part.Position());
    try {
        if (!samplers[static_cast<size_t>(part.slot)]->SamplePart(part.begin, part.end, part.start, stop, watch))
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
    if (partsLeft[static_cast<size_t>(part.slot)].fetch_sub(1) == 1) {
        targets[static_cast<size_t>(part.slot)]->complete = true;
        ++completeSlots;
    }
}

void SamplingRun::Fail(std::int64_t position, int slot, std::optional<CExprException> why)
{
    std::lock_guard lock(failureLock);
    if (position >= failedAt.load())
        return;
    failedAt.store(position);
    failure = why ? Outcome::Failed : Outcome::NoMemory;
    failedSlot = slot;
    error = std::move(why);
}

void SamplingRun::CountSamples(std::int32_t samples)
{
    const std::int64_t done = samplesDone.fetch_add(samples) + samples;
    const int percent = static_cast<int>(done * 100 / totalSamples);
    if (percent <= reportedPercent.load(std::memory_order_relaxed) || percent >= 100)
        return;
    std::lock_guard lock(reportLock);
    if (percent <= reportedPercent.load(std::memory_order_relaxed))
        return;
    reportedPercent.store(percent, std::memory_order_relaxed);
    const int displayed = static_cast<int>(targets.size());
    sink.GraphProgress(percent, displayed, std::min(completeSlots.load(), displayed - 1));
}
