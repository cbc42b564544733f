#pragma once

#include <cstdint>

// The six precisions the user can pick, shown as "100 %" ... "3200 %":
// list index i stands for 100 * 2^i samples per unit.
inline constexpr int kPrecisionCount = 6;

// 100 * 2^index for an index 0-5.
std::int32_t PrecisionFromIndex(int index);
// The list index of a precision, or -1 (no selection) for any other value.
int IndexFromPrecision(std::int32_t precision);
