#pragma once

#include <cstdint>

class Archive;

// An argument range: from, to and the number of samples per unit of
// argument (the sample step is 1 / precision). Stored as 24 bytes: two
// doubles, the precision and four reserved bytes.
struct ArgRange {
    double from = 0.0;
    double to = 0.0;
    std::int32_t precision = 0;

    // True if to, from or precision differ (doubles compared exactly).
    bool Differs(const ArgRange& other) const;
    // True if both ends are finite numbers and the precision is positive.
    bool IsUsable() const;

    // The 24 stored bytes; the reserved ones are written as zero and skipped
    // when read.
    void Write(Archive& archive) const;
    void Read(Archive& archive);
};
