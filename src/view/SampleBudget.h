#pragma once

// The samples one computation may take, counted graph by graph before any
// buffer is allocated: all displayed graphs together at most kMostSamples,
// and the buffers still to be allocated no more bytes than the process can
// have.
class SampleBudget {
public:
    // The widest range the coordinate-system page admits: horizontal edges
    // 2^31 - 1 stored units apart, four units a sample, both ends sampled.
    static constexpr double kMostSamples = 2147483647.0 / 4 + 2;

    explicit SampleBudget(double available) : m_availableBytes(available) {}

    // Counts one graph's samples (a double, so that no range of a file can
    // overflow the sum), which need a new buffer or keep theirs. False once
    // the total passes the ceiling or the new buffers the memory.
    bool Take(double samples, bool newBuffer);

private:
    const double m_availableBytes;
    double m_samples = 0;
    double m_bytes = 0;
};
