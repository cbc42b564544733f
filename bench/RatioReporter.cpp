#include "RatioReporter.h"

#include <sched.h>

#include <algorithm>
#include <cstdio>

RatioReporter::RatioReporter(std::string subject, std::vector<std::string> peers, RatioClock clock)
    : m_subject(std::move(subject)), m_peers(std::move(peers)), m_clock(clock)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const std::string name = run.benchmark_name();
        const size_t slash = name.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string side = name.substr(0, slash);
        const std::string testCase = name.substr(slash + 1);
        if (std::find(m_cases.begin(), m_cases.end(), testCase) == m_cases.end())
            m_cases.push_back(testCase);
        m_times[testCase][side] = m_clock == RatioClock::Wall ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    }
}

void RatioReporter::PrintRatios() const
{
    std::printf("\n%-45s", "ratio of time per run");
    for (const std::string& peer : m_peers)
        std::printf("  %s/%-10s", m_subject.c_str(), peer.c_str());
    std::printf("\n");
    for (const std::string& testCase : m_cases) {
        const auto& times = m_times.at(testCase);
        const auto subject = times.find(m_subject);
        if (subject == times.end())
            continue;
        std::printf("%-45s", testCase.c_str());
        for (const std::string& peer : m_peers) {
            const auto other = times.find(peer);
            if (other == times.end() || other->second <= 0)
                std::printf("  %-17s", "-");
            else
                std::printf("  %-17.2f", subject->second / other->second);
        }
        std::printf("\n");
    }
}

namespace {

// Keeps the process, and the worker threads it starts, on the processor it
// started on: the processors of a shared machine can run at quite different
// speeds, and a ratio only means something when both sides ran on the same.
void StayOnThisProcessor()
{
    const int processor = sched_getcpu();
    if (processor < 0)
        return;
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(processor, &set);
    sched_setaffinity(0, sizeof set, &set);
}

}  // namespace

int RunWithRatios(int argc, char** argv, const std::string& subject,
                  const std::vector<std::string>& peers, RatioClock clock)
{
    if (clock == RatioClock::Processor)
        StayOnThisProcessor();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(subject, peers, clock);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
