#pragma once

#include "view/geometry/ViewMapping.h"

#include <cstdint>
#include <optional>

// The views an exported picture is drawn through.
namespace ExportExtent {

// Exported pictures have at most this many pixels a side.
constexpr std::int32_t kLargestSide = 16384;

// What the view shows, through a client of another size: the same zoom and
// the same world point in the middle of the drawing area.
ViewMapping Visible(const ViewMapping& view, PixelSize client);
// The whole picture at the view's zoom, with the label strips beside it.
ViewMapping Whole(const ViewMapping& view);
// The pixels a client of that size takes at a scale; nothing when a side
// would pass kLargestSide.
std::optional<PixelSize> ScaledSize(PixelSize client, int scale);

}  // namespace ExportExtent
