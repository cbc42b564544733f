#pragma once

#include <cstdint>

// The sample positions of an integral from `from` toward `to` in steps of h,
// with their arguments rounded to 7 decimals. They are worked out a block of
// 100 at a time, ahead of the evaluations: rounding ends in a division whose
// latency would otherwise hold up every evaluation. Each block starts at
// from + i * h, so that the added steps do not drift.
class IntegralArguments {
public:
    static constexpr int kBlock = 100;

    IntegralArguments(double start, double stop, double step) : m_from(start), m_to(stop), m_h(step) {}

    // Works out the next block and returns its size; the last block is the
    // one whose last position is one step or less before `to`.
    int NextBlock();
    bool Ended() const { return m_ended; }
    double Position(int k) const { return m_positions[k]; }
    double Argument(int k) const { return m_arguments[k]; }
    // One step past the last position: where the shorter last step starts
    // plus h.
    double EndPosition() const { return m_end; }

private:
    const double m_from;
    const double m_to;
    const double m_h;
    std::int64_t m_first = 0;  // index of the block's first position
    bool m_ended = false;
    double m_end = 0;
    double m_positions[kBlock];
    double m_arguments[kBlock];
};
