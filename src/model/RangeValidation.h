#pragma once

#include "Ids.h"

#include <cstdint>
#include <optional>

class CoordSystem;

// The checks of a range typed on the coordinate-system and graph pages. Each
// returns the message that refuses the range, or none when it passes. The pages show the message and keep the user on the page.
namespace RangeValidation {

// How far a range may reach: the horizontal edges of the coordinate system
// may scale up to the 32-bit limit, argument ranges of parametric and polar
// graphs only to 100000.
enum class Limit { CoordinateEdges, ArgumentRange };

// The message that refuses a range, or none when it passes.
using Refusal = std::optional<StringId>;

// NoPrecision when no precision is selected in the list (index -1).
Refusal CheckPrecisionSelected(int precisionIndex);
// WrongRange when either text is empty or the number read from fromText is not
// less than the one read from toText.
Refusal CheckRangeTexts(const char* fromText, const char* toText);
// CoordSystemTooLarge when the range, scaled to 1 / (4 * precision) units, is too large.
Refusal CheckRangeSize(double from, double to, std::int32_t precision, Limit limit);
// CoordSystemTooLarge when the horizontal edges or the parametric or polar range of a
// coordinate system fail the size limit.
Refusal CheckCoordSystemSize(const CoordSystem& cs);
// The three checks in order, for one range as typed.
Refusal CheckRange(int precisionIndex, const char* fromText, const char* toText, Limit limit);
// WrongVerticalRange when either vertical edge text is empty or top is not above bottom.
Refusal CheckVerticalEdges(const char* topText, const char* bottomText);
// The pages' checks applied to a stored coordinate system: whether the user
// could have typed it on both pages. The first refusal, or 0.
Refusal CheckStoredCoordSystem(const CoordSystem& cs);

// A number as the pages read it: strtod's leading number, 0 for none.
double ReadNumber(const char* text);

}  // namespace RangeValidation
