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

    IntegralArguments(double start, double stop, double step) : from(start), to(stop), h(step) {}

    // Works out the next block and returns its size; the last block is the
    // one whose last position is one step or less before `to`.
    int NextBlock();
    bool Ended() const { return ended; }
    double Position(int k) const { return positions[k]; }
    double Argument(int k) const { return arguments[k]; }
    // One step past the last position: where the shorter last step starts
    // plus h.
    double EndPosition() const { return end; }

private:
    const double from;
    const double to;
    const double h;
    std::int64_t first = 0;  // index of the block's first position
    bool ended = false;
    double end = 0;
    double positions[kBlock];
    double arguments[kBlock];
};
