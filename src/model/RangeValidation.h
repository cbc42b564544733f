#pragma once

#include <cstdint>

class CoordSystem;

// The checks of a range typed on the coordinate-system and graph pages. Each
// returns the string id of the message that refuses the range, or 0 when it
// passes. The pages show the message and keep the user on the page.
namespace RangeValidation {

// How far a range may reach: the horizontal edges of the coordinate system
// may scale up to the 32-bit limit, argument ranges of parametric and polar
// graphs only to 100000.
enum class Limit { CoordinateEdges, ArgumentRange };

// The messages that refuse a range.
inline constexpr unsigned kWrongRangeMessage = 3138;
inline constexpr unsigned kNoPrecisionMessage = 3139;
inline constexpr unsigned kTooLargeMessage = 3142;
inline constexpr unsigned kWrongVerticalMessage = 3401;

// 3139 when no precision is selected in the list (index -1).
unsigned CheckPrecisionSelected(int precisionIndex);
// 3138 when either text is empty or the number read from fromText is not
// less than the one read from toText.
unsigned CheckRangeTexts(const char* fromText, const char* toText);
// 3142 when the range, scaled to 1 / (4 * precision) units, is too large.
unsigned CheckRangeSize(double from, double to, std::int32_t precision, Limit limit);
// 3142 when the horizontal edges or the parametric or polar range of a
// coordinate system fail the size limit.
unsigned CheckCoordSystemSize(const CoordSystem& cs);
// The three checks in order, for one range as typed.
unsigned CheckRange(int precisionIndex, const char* fromText, const char* toText, Limit limit);
// 3401 when either vertical edge text is empty or top is not above bottom.
unsigned CheckVerticalEdges(const char* topText, const char* bottomText);
// The pages' checks applied to a stored coordinate system: whether the user
// could have typed it on both pages. The first refusal, or 0.
unsigned CheckStoredCoordSystem(const CoordSystem& cs);

// A number as the pages read it: strtod's leading number, 0 for none.
double ReadNumber(const char* text);

}  // namespace RangeValidation
