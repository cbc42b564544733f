#pragma once

#include "model/ArgRange.h"
#include "model/GraphKind.h"

#include <cstdint>
#include <string>

class Archive;
class CoordSystem;

// One graph as the user defined it.
class GraphItem {
public:
    GraphItem() = default;
    GraphItem(const GraphItem&) = default;
    GraphItem& operator=(const GraphItem&) = default;
    virtual ~GraphItem() = default;

    // Back to the cleared state: empty texts, kind 0, flags off, zero ranges.
    void Reset();
    // True if the two items describe different functions: other kinds, or
    // texts that differ other than in white space (case counts).
    bool ExpressionsDiffer(const GraphItem& other) const;
    // True if anything the user set differs; the effective range does not count.
    bool Differs(const GraphItem& other) const;
    bool RangeDiffers(const GraphItem& other) const;
    // Sets the effective range from the graph's own range, clipped to the
    // edges of the coordinate system for y = f(x) and x = f(y), or from the
    // coordinate system's default for the kind.
    void ComputeRange(const CoordSystem& cs);
    // True if the kind is known, every stored double is finite and, when the
    // graph uses its own range, that range has a positive precision.
    bool IsUsable() const;
    // Writes or reads one graph record. Reading leaves the effective range
    // zero and refuses a record that is not usable as damaged.
    void Serialize(Archive& archive);

    std::string expression;   // for parametric graphs the x = f(t) body
    std::string expression2;  // for parametric graphs the y = g(t) body
    bool hidden = false;
    std::uint32_t color = 0;  // 0x00BBGGRR
    GraphKind kind = KindYofX;
    bool useAdvanced = false;  // advRange replaces the coordinate system's default
    bool advTimesPi = false;   // advRange's ends are multiples of pi
    ArgRange range;            // effective range; set by ComputeRange, never stored
    ArgRange advRange;

private:
    void ClipTo(double lo, double hi);
};
