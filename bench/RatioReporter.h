#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Console output as usual, then a table of ratios: for every benchmark named
// "Subject/CASE", its time divided by the time of "Peer/CASE" for each peer.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string subject, std::vector<std::string> peers);
    void ReportRuns(const std::vector<Run>& runs) override;
    void PrintRatios() const;

private:
    std::string m_subject;
    std::vector<std::string> m_peers;
    std::map<std::string, std::map<std::string, double>> m_times;  // case -> side -> ns
    std::vector<std::string> m_cases;
};

// Runs every registered benchmark and prints the ratio table.
int RunWithRatios(int argc, char** argv, const std::string& subject,
                  const std::vector<std::string>& peers);
