#pragma once

#include <cstdint>
#include <vector>

// One tick position along an axis, in drawing coordinates (columns for the
// horizontal axis, rows for the vertical one).
struct Tick {
    std::int32_t position = 0;
    // Steps from the origin: the label value is index times the world step
    // (negated for rows, which grow downward).
    std::int64_t index = 0;
    // Where a major tick's second line goes: one pixel before it when the
    // tick is at or before the origin, one pixel after it otherwise.
    std::int32_t beside = 0;
};

// Ticks at the origin plus whole multiples of a step, rounded to pixels,
// over the painted span of an axis.
class TickRuler {
public:
    // origin: the origin's column or row; step: pixels between ticks, at
    // least 1 (a smaller or non-finite step gives no ticks); paintFirst and
    // paintLast: the painted columns or rows, both inclusive.
    TickRuler(std::int64_t origin, double step, std::int32_t paintFirst, std::int32_t paintLast);

    // Tick marks inside the painted span with one pixel of slack, none before
    // -1; skipOrigin leaves out the origin's own column (where the other
    // axis is drawn).
    std::vector<Tick> Ticks(bool skipOrigin) const;
    // Label positions: from one step before the first tick of the painted
    // span to one step after its last, so that a label whose text reaches
    // into the span is drawn too.
    std::vector<Tick> Labels() const;

private:
    struct IndexSpan {
        std::int64_t first;  // first index at or after the span's start
        std::int64_t last;   // last index at or before its end
    };

    Tick At(std::int64_t index) const;
    bool IsUsable() const;
    // Indices of the ticks in the span; first is last + 1 when none is.
    IndexSpan SpanIndices() const;

    std::int64_t m_origin;
    double m_step;
    std::int64_t m_low;
    std::int64_t m_high;
};
