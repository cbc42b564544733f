#pragma once

#include "model/GraphItem.h"
#include "model/ScaledPoint.h"

#include <cstdint>
#include <memory>
#include <new>

// Visible graphs that can be displayed at a time, and the number of slots.
inline constexpr int MAX_DISPLAYED_GRAPHS = 15;

// The computed samples of one displayed graph: the graph they were prepared
// for, whether every sample is computed, and the samples in argument order.
// The samples are meaningful only once the slot is complete.
class GraphPoints {
public:
    // Frees storage that Allocate took without constructing samples in it.
    struct FreeStorage {
        void operator()(ScaledPoint* storage) const { ::operator delete(storage); }
    };

    // floor(precision * to) - floor(precision * from) + 1 for a range, as a
    // double so that no range overflows it: 0 when to lies below from's
    // sample, infinity when an end or the precision is unusable.
    static double SampleCount(const ArgRange& range);

    // Sets count from source's effective range; a count beyond 32 bits,
    // which preparation refuses before it gets here, is cut to the limit.
    void UpdatePointCount();
    // The argument of sample i: floor(precision * from) / precision + i / precision.
    double ArgumentAt(std::int64_t i) const;
    // The sample at or below argument v: floor((v - ArgumentAt(0)) * precision),
    // cut to the 32-bit range (a NaN gives the lowest value).
    std::int32_t IndexOfArgument(double v) const;

    bool HasPoints() const { return points != nullptr; }
    // Storage for count points, not filled: allocating it touches no page,
    // and the sampler writes every point before the slot is complete. False,
    // with no points, when memory runs out.
    bool Allocate();
    // No points, count 0, not complete, an empty source.
    void Free();

    GraphItem source;
    bool complete = false;
    std::int32_t count = 0;
    std::unique_ptr<ScaledPoint[], FreeStorage> points;
};
