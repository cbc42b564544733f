#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// What the ratios compare: the processor time of the process, on the one
// processor it is kept on, or the wall clock, on every processor (for work
// spread over threads, or done by child processes).
enum class RatioClock { Processor, Wall };

// Console output as usual, then a table of ratios: for every benchmark named
// "Subject/CASE", its time divided by the time of "Peer/CASE" for each peer.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string subject, std::vector<std::string> peers, RatioClock clock = RatioClock::Processor);
    void ReportRuns(const std::vector<Run>& runs) override;
    void PrintRatios() const;

private:
    std::string m_subject;
    std::vector<std::string> m_peers;
    std::map<std::string, std::map<std::string, double>> m_times;  // case -> side -> ns
    std::vector<std::string> m_cases;
    RatioClock m_clock;
};

// Runs every registered benchmark and prints the ratio table.
int RunWithRatios(int argc, char** argv, const std::string& subject,
                  const std::vector<std::string>& peers, RatioClock clock = RatioClock::Processor);
